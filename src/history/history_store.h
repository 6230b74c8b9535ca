// The history of solved Cubes in a local SQLite database: opening and
// upgrading it, one row per solved Cube (kept in memory while it cannot be
// written), reading the rows back, and what to tell the user when the
// history cannot be kept.
#pragma once

#include "cube/cube.h"
#include "history_salvage.h"
#include "progress_summary.h"
#include "qt_calendar.h"
#include "sqlite_connection.h"
#include "time/clock.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace vexlor {

// One Cube solved in the window.
struct SolvedCube {
    QDateTime at;       // local date and time of the correct pick
    int recipe = 0;     // its recipe
    double seconds = 0; // its solving time; not a finite number when unknown
    int wrong = 0;      // wrong picks made on it before the correct one
};

// The row for c, solved just now: its recipe, its time as the statistics
// count it, the wrong picks made on it, and the clock's now.
SolvedCube solvedCubeOf(const Cube& c, const Clock& clock);

// A row as it is stored, for export.
struct StoredRow {
    QString at;
    int recipe = 0;
    std::optional<double> seconds;
    int wrong = 0;
    std::optional<int> utcOffset; // seconds east of UTC; none in rows written before it was kept
};

class HistoryStore {
public:
    // The schema this program writes. Each later version upgrades older files
    // in place by adding to them; nothing is ever dropped.
    static constexpr int kSchemaVersion = 2;

    enum class Mode {
        ReadWrite, // the program: creates, upgrades and records
        ReadOnly,  // export: reads an existing file and changes nothing
    };

    // Whether rows are being written, and if not, why. A store that cannot
    // write tries again with the next solve, except where trying cannot
    // mend it (hasGivenUp).
    enum class State {
        Recording,
        NoDriver,   // Qt's SQLite driver is not installed
        CannotOpen, // the file or its folder cannot be opened or created
        Locked,     // another program holds the database
        ReadOnly,   // the file or its folder is read-only, or the store was opened to read
        Full,       // the disk is full
        Failed,     // any other failure to write, an I/O error among them
        Unusable,   // a schema this version cannot write to, or damage that setting aside
                    // did not mend
    };

    // Why a file was set aside.
    enum class SetAside {
        Damaged, // renamed history.damaged-DATE.sqlite; its readable rows are copied
        Foreign, // a database of another program: renamed history.foreign-DATE.sqlite
    };

    // Opens the database at path, creating it and its folder when missing.
    // Never throws and never blocks for long: a database that cannot be used
    // leaves the store not recording, and a damaged file, or another
    // program's database, is set aside (renamed with the date) and a fresh
    // one started in its place.
    explicit HistoryStore(const QString& path, Mode mode = Mode::ReadWrite);
    // The last try for rows that still wait; the window is gone by then, so
    // it may wait longer for a lock.
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Where the program keeps its history: history.sqlite in its data folder
    // ($XDG_DATA_HOME/Vexlor, by default ~/.local/share/Vexlor), the same for
    // the program and the tools.
    static QString defaultPath();

    const QString& path() const { return path_; }
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
    bool record(const SolvedCube& cube);
    // Tries to write the waiting rows now, as at the close of the window.
    // A store that has given up opens the file afresh for it.
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
    bool open();
    // Opens the connection and checks the file; damaged says when the file
    // is to be set aside.
    bool openIntact(SqliteConnection::Access access, std::optional<SetAside>& damaged);
    // Makes the schema ready and the insert; foreign says when the file is
    // another program's database, to be set aside.
    bool prepareSchema(std::optional<SetAside>& foreign);
    bool setAsideAndStartAgain(SetAside reason);
    bool writeWaiting(Attempt attempt);
    std::optional<QSqlError> insertWaiting();
    std::optional<QSqlError> insertRow(const SolvedCube& cube);
    // The rows after the row `after` in the open file db; see readRows.
    std::vector<SolvedRow> readRowsFrom(const QSqlDatabase& db, qint64& after);
    void closeConnection();
    // Takes a failure in: sets the state from it and remembers its text.
    void takeFailure(const QSqlError& error);
    std::optional<QSqlDatabase> readingDatabase(std::optional<SqliteConnection>& reader);

    QString path_;
    Mode mode_;
    State state_ = State::Recording;
    QString detail_;
    QString setAsidePath_;
    SetAside setAsideReason_ = SetAside::Damaged;
    std::optional<Salvage> salvage_;
    bool salvagePending_ = false; // a damaged file was set aside; its rows are not yet copied
    QString readError_;
    int generation_ = 0;
    std::deque<SolvedCube> waiting_;
    std::optional<SqliteConnection> connection_;
    bool intact_ = false; // the connection is open and the file was found intact
    std::optional<QSqlQuery> insert_;
};

} // namespace vexlor
