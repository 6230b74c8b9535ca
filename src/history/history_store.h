// The history of solved Cubes in a local SQLite database: opening and
// upgrading it, one row per solved Cube (kept in memory while it cannot be
// written), reading the rows back, and what to tell the user when the
// history cannot be kept.
#pragma once

#include "cube/cube.h"
#include "history_opening.h"
#include "history_salvage.h"
#include "history_schema.h"
#include "progress_summary.h"
#include "qt_calendar.h"
#include "review_schedule.h"
#include "sqlite_connection.h"
#include "time/clock.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSqlQuery>
#include <QString>

#include <atomic>
#include <deque>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace vexlor {

// One Cube solved in the window.
struct SolvedCube {
    QDateTime at;       // local date and time of the correct pick
    int recipe = 0;     // its recipe
    double seconds = 0; // its solving time; not a finite number when unknown
    int wrong = 0;      // wrong picks made on it before the correct one
    qint64 exam = 0;    // the exam it was answered in (its ExamRecord::id); 0 for none
};

// One exam taken in the window, as the table of exams keeps it.
struct ExamRecord {
    // The moment it started, in milliseconds since 1970 (UTC); it tells the
    // exam's solves from others'.
    qint64 id = 0;
    QDateTime at; // local date and time of its start
    int cubes = 0;
    int right = 0;
    int answered = 0;
    int limitSeconds = 0; // 0: no limit
    double seconds = 0;   // the time used
    QString name;         // the name on its results; may be empty
};

// The row for c, solved just now: its recipe, its time as the statistics
// count it, the wrong picks made on it, and the clock's now.
SolvedCube solvedCubeOf(const Cube& c, const Clock& clock);

// What a solve tells the review: the Cube, as its record with picks and
// times stripped, and how it went.
struct ReviewMark {
    QByteArray cube;
    ReviewOutcome outcome = ReviewOutcome::WithinTarget;
};

// The review mark of c, solved as `solved` says, against the user's target.
ReviewMark reviewMarkOf(const Cube& c, const SolvedCube& solved, double targetSeconds);

// A row as it is stored, for export.
struct StoredRow {
    QString at;
    int recipe = 0;
    std::optional<double> seconds;
    int wrong = 0;
    std::optional<int> utcOffset; // seconds east of UTC; none in rows written before it was kept
    std::optional<qint64> exam;   // the exam it was answered in; none for the drill's
};

class HistoryStore {
public:
    // The schema this program writes. Each later version upgrades older files
    // in place by adding to them; nothing is ever dropped.
    static constexpr int kSchemaVersion = vexlor::kSchemaVersion;

    enum class Mode {
        ReadWrite, // the program: creates, upgrades and records
        ReadOnly,  // export: reads an existing file and changes nothing
    };

    // When a store that writes makes its file ready: at once, or on a
    // thread of its own once startOpening() is called, as the window does
    // after it is first painted, so that checking a large history or
    // rescuing a damaged one never holds the window back.
    enum class Start { Now, Later };

    // Whether rows are being written, and if not, why. A store that cannot
    // write tries again with the next solve, except where trying cannot
    // mend it (hasGivenUp).
    using State = HistoryState;
    // Why a file was set aside.
    using SetAside = SetAsideReason;

    // Opens the database at path, creating it and its folder when missing.
    // Never throws: a database that cannot be used leaves the store not
    // recording, a damaged file is set aside (renamed with the date) and
    // what can be read of it rescued into a new history in its place, and
    // another program's database is set aside and a fresh one started.
    explicit HistoryStore(const QString& path, Mode mode = Mode::ReadWrite,
                          Start start = Start::Now);
    // Stops a rescue that still runs (the next start does it again), makes
    // the last try for rows that still wait (the window is gone by then, so
    // it may wait longer for a lock) and keeps what that cannot write in the
    // journal beside the history.
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Where the program keeps its history: history.sqlite in its data folder
    // ($XDG_DATA_HOME/Vexlor, by default ~/.local/share/Vexlor), the same for
    // the program and the tools.
    static QString defaultPath();

    const QString& path() const { return path_; }

    // For a store that starts later: makes the file ready on a thread of
    // its own; solves made meanwhile wait. A store that failed to open tries
    // again the same way with the next solve. Does nothing while it runs or
    // once the file is ready.
    void startOpening();
    // Takes the result once the thread is done (the window asks now and
    // then): the file ready, the waiting rows written. True when no opening
    // runs any more.
    bool finishOpening();
    // Waits for the thread, then finishOpening().
    void waitForOpening();
    bool isOpening() const { return worker_.joinable(); }
    // How far the rescue of a damaged file has come, in per cent, while one
    // runs.
    std::optional<int> rescuePercent() const;
    // Asked after each step of a rescue; false ends the opening there, as a
    // kill would. For tests, before the store opens.
    void setRescueStepCheck(std::function<bool(RescueStep)> goOnAfter);

    State state() const { return state_; }
    bool isRecording() const { return state_ == State::Recording; }
    // True once a failure that trying again cannot mend has stopped the
    // writing for the run; the rows that wait then get one last try at close.
    bool hasGivenUp() const;
    // Where a file was set aside this run, and why; empty when none was.
    const QString& setAsidePath() const { return setAsidePath_; }
    // What was copied from the damaged file set aside this run.
    const std::optional<Salvage>& salvage() const { return salvage_; }
    // One or two sentences for the user: why solves are not being written
    // and how many wait, and that a file was set aside. Empty while all is
    // well.
    QString notice() const;

    // Keeps the row and writes it after every row that still waits, in
    // their order: alone, one synced INSERT, as with every solve while the
    // database is free; with others, all in one transaction. Waiting for a
    // lock takes at most kBusyTimeoutMs. A row that cannot be written now
    // waits in memory for the next solve or the close. True when no row
    // waits any more.
    // With a review mark, the Cube is kept for review, or one kept moves on,
    // with the row: both are written, wait and are journaled together.
    bool record(const SolvedCube& cube, const std::optional<ReviewMark>& review = std::nullopt);
    // Keeps the exam and the rows of its answered Cubes, each marked with
    // it, and writes them all in one transaction, after the rows that wait,
    // as record() does. An exam that cannot be written waits with them; its
    // rows alone go into the journal at the close.
    bool recordExam(const ExamRecord& exam, std::vector<SolvedCube> rows);
    // The exams stored, oldest first, and then those that wait. None, with
    // the reason in readError(), when the table cannot be read; none in a
    // file older than exams.
    std::vector<ExamRecord> readExams();
    // Tries to write the waiting rows now, as at the close of the window: a
    // store that opens at once and has given up opens the file afresh for
    // it; a check still running is waited for, and a rescue stopped (the
    // next start does it again). What cannot be written goes, synced, into
    // the journal beside the history, from which the next start adds it.
    // True when no row waits any more; false only when even the journal
    // could not take them.
    bool writeWaitingRows();
    int waitingCount() const { return static_cast<int>(waiting_.size()); }
    // The waiting rows as the Progress window counts them, oldest first.
    std::vector<SolvedRow> waitingRows() const;

    // The rows stored after the row `after` (0: all of them), oldest first;
    // `after` moves on to the last row read. Reads nothing, with the reason
    // in readError(), when the database cannot be read. Where the store does
    // not write, the file is opened read-only for each read.
    std::vector<SolvedRow> readRows(qint64& after);

    // What the Progress window shows of the whole history, read from the
    // tallies SQLite keeps in a file of version 2 on (or else gathered from
    // every row), with the rows that wait to be written counted after the
    // stored ones. Empty, with the reason in readError(), when the database
    // cannot be read.
    HistoryFigures readFigures();
    // The figures of the rows solved from day first to day last, waiting
    // rows included; of no stored rows, with the reason in readError(), when
    // they cannot be read.
    SpanFigures readSpan(int first, int last);
    // The rows of one recipe solved from day first to day last, waiting rows
    // included, oldest first; none, with the reason in readError(), when
    // they cannot be read.
    std::vector<SolvedRow> readRecipeSpan(int recipe, int first, int last);
    // Of the rows solved from day first to day last, waiting rows included,
    // those with a known time and those of them solved within target
    // seconds; none, with the reason in readError(), when they cannot be
    // read.
    TargetCount readTargetCount(int first, int last, double target);

    // The Cubes kept for review that are due on day or before, stripped, in
    // the order they fall due. None, with the reason in readError(), when
    // the history cannot be read; a record that no longer reads as a sound
    // Cube is left out (readReviewCounts counts it).
    std::vector<Cube> cubesDueForReview(QDate day);
    // How the Cubes kept for review stand on day: due, waiting at each step,
    // learnt, and left out.
    ReviewCounts readReviewCounts(QDate day);

    // Calls visit for every row as stored, oldest first. False, with the
    // reason in readError(), when the rows cannot be read.
    bool forEachStoredRow(const std::function<void(const StoredRow&)>& visit);
    const QString& readError() const { return readError_; }

    // Grows each time a file is set aside and a fresh one started: rows read
    // before belong to the old file.
    int generation() const { return generation_; }

    // A pick waits no longer than this for a lock held by another program;
    // what cannot be written by then waits in memory instead.
    static constexpr int kBusyTimeoutMs = 100;

private:
    enum class Attempt {
        Solve, // with a solve: only while trying again can mend what failed
        Close, // the window closes: opens the file afresh if the store had given up
        Exit,  // the store goes: as Close, waiting longer for a lock
    };
    // Opens the file, at once or, for a store that starts later, on the
    // opening thread; true when it is ready now.
    bool open();
    // What can be looked at without touching the file: the driver, the
    // kind of file, the folder and its rights.
    bool mayOpenForWriting();
    bool openToRead();
    // Takes in what the opening found and, where the file is ready, opens
    // the connection the solves are written through.
    void takeOutcome(const OpeningOutcome& outcome);
    // Waits for an opening that runs, stopping a rescue between two of its
    // rows.
    void settleOpening();
    bool writeWaiting(Attempt attempt);
    // Keeps the waiting rows in the journal; true when they are there.
    bool keepWaitingInJournal();
    std::optional<QSqlError> insertWaiting();
    // A solve that waits to be written, with its review mark.
    struct WaitingSolve {
        SolvedCube solve;
        std::optional<ReviewMark> review;
    };
    std::optional<QSqlError> insertRow(const WaitingSolve& waiting);
    std::optional<QSqlError> insertExam(const ExamRecord& exam);
    // The rows after the row `after` in the open file db; see readRows.
    std::vector<SolvedRow> readRowsFrom(const QSqlDatabase& db, qint64& after);
    void closeConnection();
    // Takes a failure in: sets the state from it and remembers its text.
    void takeFailure(const QSqlError& error);
    std::optional<QSqlDatabase> readingDatabase(std::optional<SqliteConnection>& reader);
    // The review's counts on day, and with due its Cubes due; false, with
    // the reason in readError(), when the table cannot be read.
    bool readReviewOn(QDate day, ReviewCounts& counts, std::vector<Cube>* due);

    QString path_;
    Mode mode_;
    State state_ = State::Recording;
    QString detail_;
    QString setAsidePath_;
    SetAside setAsideReason_ = SetAside::Damaged;
    std::optional<Salvage> salvage_;
    QString readError_;
    int generation_ = 0;
    std::deque<WaitingSolve> waiting_;
    std::deque<ExamRecord> waitingExams_;
    std::optional<SqliteConnection> connection_;
    bool intact_ = false; // the connection is open and the file was found intact
    std::optional<QSqlQuery> insert_;
    bool later_ = false; // opens on a thread of its own
    OpeningControl control_;
    std::thread worker_;
    std::atomic<bool> workerDone_{false};
    OpeningOutcome outcome_;     // written by the opening thread, read once it is done
    bool rescueStopped_ = false; // the close stopped a rescue: nothing more is opened
};

} // namespace vexlor
