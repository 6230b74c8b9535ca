// The history of solved Cubes in a local SQLite database: opening and
// upgrading it, one row per solved Cube, reading the rows back, and what to
// tell the user when the history cannot be kept.
#pragma once

#include "cube/cube.h"
#include "progress_summary.h"
#include "time/clock.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QSqlError;

namespace vexlor {

// One Cube solved in the window.
struct SolvedCube {
    QDateTime at;       // local date and time of the correct pick
    int recipe = 0;     // its recipe
    double seconds = 0; // its solving time; not a finite number when unknown
    int wrong = 0;      // wrong picks made on it before the correct one
};

// A date as the history counts days: since 30 December 1899.
int dayNumber(QDate date);

// The local date and time of a moment of the program's clock.
QDateTime localDateTime(DateTime t);

// The row for c, solved just now: its recipe, its time as the statistics
// count it, the wrong picks made on it, and the clock's now.
SolvedCube solvedCubeOf(const Cube& c);

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

    // Whether rows are being written, and if not, why.
    enum class State {
        Recording,
        NoDriver,   // Qt's SQLite driver is not installed
        CannotOpen, // the file or its folder cannot be opened or created
        Locked,     // another program holds the database
        ReadOnly,   // the file or its folder is read-only, or the store was opened to read
        Full,       // the disk is full
        Failed,     // any other failure to write
    };

    // Opens the database at path, creating it and its folder when missing.
    // Never throws and never blocks for long: a database that cannot be used
    // leaves the store not recording, and a damaged file is set aside
    // (renamed with the date) and a fresh one started in its place.
    explicit HistoryStore(const QString& path, Mode mode = Mode::ReadWrite);
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
    // Where a damaged file was set aside this run; empty when none was.
    const QString& setAsidePath() const { return setAsidePath_; }
    // One sentence for the user: why nothing is recorded, or that a damaged
    // file was set aside. Empty while all is well.
    QString notice() const;

    // Writes one row in its own transaction. On failure returns false, and
    // the store records nothing more this run: a pick never waits on a
    // database that has failed once.
    bool record(const SolvedCube& cube);

    // The rows stored after the row `after` (0: all of them), oldest first;
    // `after` moves on to the last row read. Reads nothing when the database
    // cannot be read.
    std::vector<SolvedRow> readRows(qint64& after);

    // What the Progress window shows of the whole history, read from the
    // tallies SQLite keeps in a file of version 2 on (or else gathered from
    // every row). Empty, with the reason in readError(), when the database
    // cannot be read.
    HistoryFigures readFigures();
    // The figures of the rows solved from day first to day last.
    SpanFigures readSpan(int first, int last);

    // Calls visit for every row as stored, oldest first. False, with the
    // reason in readError(), when the rows cannot be read.
    bool forEachStoredRow(const std::function<void(const StoredRow&)>& visit);
    const QString& readError() const { return readError_; }

    // Grows each time a damaged file is set aside and a fresh one started:
    // rows read before belong to the old file.
    int generation() const { return generation_; }

private:
    bool open();
    bool openConnection();
    bool checkIntact();
    bool upgrade();
    // The schema version of the open file, which a store that only reads
    // leaves as it found it.
    int fileVersion() const;
    bool setAsideAndStartAgain();
    void closeConnection();
    // Takes a failure in: sets the state from it and remembers its text.
    // True when the failure says the file is damaged.
    bool takeFailure(const QSqlError& error);

    QString path_;
    Mode mode_;
    QString connectionName_;
    State state_ = State::Recording;
    QString detail_;
    QString setAsidePath_;
    QString readError_;
    int generation_ = 0;
    bool readable_ = false; // open and found intact
    std::optional<QSqlQuery> insert_;
};

} // namespace vexlor
