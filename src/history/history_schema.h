// The history's tables in SQLite: the schema this program writes, the steps
// that upgrade an older file in place, a fresh file's schema built around the
// rows it starts with, and the SQL the reads share.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <functional>
#include <optional>

namespace vexlor {

// The schema this program writes. Each later version upgrades older files
// in place by adding to them; nothing is ever dropped.
inline constexpr int kSchemaVersion = 3;
// The first version whose files carry the day and the tallies.
inline constexpr int kTalliesVersion = 2;
// The first version whose files know exams: the exam of a solve, and the
// table of exams.
inline constexpr int kExamsVersion = 3;

// A row's time, or NULL when it is not a finite number.
extern const QString kKnownTime;
// True of a row whose time is known.
extern const QString kKnownCondition;
// The day of a row in a file of the given schema version: its day number,
// or worked out from its text in a file that has none.
QString dayOf(int version);
// The schema version of an open file.
int fileVersion(const QSqlDatabase& db);

// The statement that adds one solve; the values in the order of its columns:
// at, kind, seconds, wrong, day, utc_offset, exam (NULL for a solve of the
// drill).
extern const QString kInsertSolve;
// The statement that adds an exam, or leaves one that is there already as
// it is; the values in the order of its columns: id, at, utc_offset, cubes,
// right_answers, answered, limit_seconds, seconds, name.
extern const QString kInsertExam;

// The median of the known times of a day's rows (day 0: those whose date
// cannot be read); not a finite number when none has a time. Empty, with the
// failure in error, when the rows cannot be read.
std::optional<double> medianOfDay(const QSqlDatabase& db, int day, QSqlError& error);

// Why an open file cannot be written as a history.
struct SchemaProblem {
    enum class Kind {
        Foreign,   // another program's database: not ours to write into
        NoHistory, // a version number, but no table of solved Cubes
        Failed,    // SQLite refused: the reason is in error
    };
    Kind kind = Kind::Failed;
    QSqlError error;
};

// Makes the file open in db ready to take solves: WAL and synced commits, an
// older schema upgraded in place, the medians of days solved on since they
// were taken stored. A newer program's file is used as it is. Another
// program's database is only looked at: nothing is written into it.
std::optional<SchemaProblem> prepareSchema(const QSqlDatabase& db);

// Makes this version's schema in an empty file, inside one transaction of
// the caller's: the tables with their columns, then fill, which may add rows
// (it returns the failure, if any), then what is derived from the rows (the
// day numbers, indexes and tallies) and the triggers that keep it. Rows
// added before the tallies exist are tallied once, together, rather than one
// by one. derived hears how many of the derived statements are done; false
// from it stops the building.
std::optional<QSqlError> buildSchema(const QSqlDatabase& db,
                                     const std::function<std::optional<QSqlError>()>& fill,
                                     const std::function<bool(int done, int total)>& derived);

} // namespace vexlor
