#include "history_schema.h"

#include "progress_summary.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <initializer_list>
#include <iterator>
#include <vector>

namespace vexlor {

namespace {

// SQL shared by the upgrade steps below. A time counts when it is a finite
// number: NULL, text and infinities sort outside these bounds.
#define VEXLOR_KNOWN_TIME "seconds BETWEEN -1e308 AND 1e308"
#define VEXLOR_DAY_OF(at) "CAST(julianday(substr(" at ", 1, 10)) - 2415018.5 AS INTEGER)"
// Counts a new row of day D (as in VEXLOR_TALLY_DAY) and marks the day's
// median stale rather than taking it anew: a solve then costs a lookup
// whatever the number of the day's rows, and the median is taken when the
// figures are read, or when the program next opens the history.
#define VEXLOR_COUNT_ON_DAY(D)                                                                     \
    " INSERT INTO day_tallies (day, cubes, wrong, stale)"                                          \
    " VALUES (IFNULL(" D ", 0), 1, max(NEW.wrong, 0), 1)"                                          \
    " ON CONFLICT (day) DO UPDATE SET cubes = cubes + 1, wrong = wrong + excluded.wrong,"          \
    " stale = 1;"
// Sets the tally of day D (an SQL expression; NULL for rows whose date
// cannot be read, tallied as day 0) anew from its rows: its Cubes, its wrong
// picks and the median of its known times (the mean of the middle two for
// an even count). A day without rows loses its tally.
#define VEXLOR_TALLY_DAY(D)                                                                        \
    "DELETE FROM day_tallies WHERE day = IFNULL(" D ", 0);"                                        \
    " INSERT INTO day_tallies (day, cubes, wrong, median)"                                         \
    " SELECT IFNULL(" D ", 0), count(*), total(max(wrong, 0)),"                                    \
    " (SELECT avg(seconds) FROM (SELECT seconds FROM solved"                                       \
    " WHERE day IS " D " AND " VEXLOR_KNOWN_TIME " ORDER BY seconds"                               \
    " LIMIT 2 - (SELECT count(*) FROM solved WHERE day IS " D " AND " VEXLOR_KNOWN_TIME ") % 2"    \
    " OFFSET ((SELECT count(*) FROM solved WHERE day IS " D " AND " VEXLOR_KNOWN_TIME              \
    ") - 1) / 2))"                                                                                 \
    " FROM solved WHERE day IS " D " HAVING count(*) > 0;"

// The steps from each schema version to the next. Steps only ever add, so
// that an older file keeps every row it has. Each step first adds to the
// table of rows, then derives from the rows: upgrading runs the two in turn,
// and a fresh file runs every step's columns, adds its rows, and then
// derives everything once.
struct UpgradeStep {
    std::initializer_list<const char*> columns;
    // Values filled in, indexes, tallies, and the triggers that keep them.
    std::initializer_list<const char*> derived;
};
const UpgradeStep kUpgrades[] = {
    // 0 -> 1
    {{"CREATE TABLE IF NOT EXISTS solved ("
      " id INTEGER PRIMARY KEY,"
      " at TEXT NOT NULL,"
      " kind INTEGER NOT NULL,"
      " seconds REAL,"
      " wrong INTEGER NOT NULL)"},
     {}},
    // 1 -> 2: the local day as a number, and the offset from UTC in seconds,
    // so that an export can tell which moment a local time meant (rows
    // written before keep none: it was never known). Julianday of 30
    // December 1899 is 2415018.5.
    //
    // And tallies per day and per recipe that SQLite keeps as rows are added
    // or removed, by this program or any other (an older Vexlor writes no
    // day: the trigger fills it in), so that the Progress window reads a row
    // per day rather than every row; the indexes serve the tallies, a
    // recipe's latest solves and a week's rows.
    {{"ALTER TABLE solved ADD COLUMN day INTEGER",
      "ALTER TABLE solved ADD COLUMN utc_offset INTEGER"},
     {"UPDATE solved SET day = " VEXLOR_DAY_OF("at"),
      "CREATE INDEX solved_by_day ON solved (day, seconds, wrong)",
      "CREATE INDEX solved_by_kind ON solved (kind)",
      "CREATE TABLE day_tallies (day PRIMARY KEY, cubes INTEGER NOT NULL, wrong INTEGER NOT NULL,"
      " median REAL, stale INTEGER NOT NULL DEFAULT 0)",
      "CREATE TABLE recipe_tallies (kind PRIMARY KEY, cubes INTEGER NOT NULL)",
      "INSERT INTO day_tallies (day, cubes, wrong)"
      " SELECT IFNULL(day, 0), count(*), total(max(wrong, 0)) FROM solved GROUP BY IFNULL(day, 0)",
      "UPDATE day_tallies SET median = middle.median FROM"
      " (SELECT d, avg(seconds) AS median FROM"
      " (SELECT IFNULL(day, 0) AS d, seconds,"
      " row_number() OVER (PARTITION BY IFNULL(day, 0) ORDER BY seconds) AS r,"
      " count(*) OVER (PARTITION BY IFNULL(day, 0)) AS n"
      " FROM solved WHERE " VEXLOR_KNOWN_TIME ")"
      " WHERE r IN ((n + 1) / 2, n / 2 + 1) GROUP BY d) AS middle"
      " WHERE day_tallies.day = middle.d",
      "INSERT INTO recipe_tallies (kind, cubes) SELECT kind, count(*) FROM solved GROUP BY kind",
      // clang-format off
      "CREATE TRIGGER solved_added AFTER INSERT ON solved BEGIN"
      " UPDATE solved SET day = " VEXLOR_DAY_OF("NEW.at") " WHERE id = NEW.id AND day IS NULL; "
      VEXLOR_COUNT_ON_DAY("COALESCE(NEW.day, " VEXLOR_DAY_OF("NEW.at") ")")
      " INSERT INTO recipe_tallies (kind, cubes) VALUES (NEW.kind, 1)"
      " ON CONFLICT (kind) DO UPDATE SET cubes = cubes + 1;"
      " END",
      "CREATE TRIGGER solved_removed AFTER DELETE ON solved BEGIN "
      VEXLOR_TALLY_DAY("OLD.day")
      " UPDATE recipe_tallies SET cubes = cubes - 1 WHERE kind = OLD.kind;"
      " DELETE FROM recipe_tallies WHERE kind = OLD.kind AND cubes <= 0;"
      " END"}},
    // clang-format on
    // 2 -> 3: exams and review. A solve of an exam is a row like any other,
    // marked with its exam; an exam keeps its date, its Cubes, how many were
    // right and answered, its limit (NULL: none), the time used and the name
    // on it. The id of an exam is the moment it started, in milliseconds
    // since 1970 (UTC), so that its solves can wait to be written, or be kept
    // in the journal, knowing their exam before it is stored. RIGHT and LIMIT
    // are SQL's words: the columns say what they count. The date comes after
    // the counts, so that the rescue, which knows a row of solved by its date
    // in the second column, never takes an exam for one.
    // The Cubes kept for review, each as its record with picks and times
    // stripped, the step it has reached (4: learnt), the day it comes back
    // (none once learnt) and the local time it was first kept.
    {{"ALTER TABLE solved ADD COLUMN exam INTEGER",
      "CREATE TABLE exams (id INTEGER PRIMARY KEY, cubes INTEGER NOT NULL,"
      " right_answers INTEGER NOT NULL, answered INTEGER NOT NULL, limit_seconds INTEGER,"
      " seconds REAL, at TEXT NOT NULL, utc_offset INTEGER, name TEXT)",
      "CREATE TABLE review (cube BLOB PRIMARY KEY, step INTEGER NOT NULL, due INTEGER,"
      " kept_at TEXT NOT NULL)"},
     {"CREATE INDEX solved_by_exam ON solved (exam) WHERE exam IS NOT NULL",
      "CREATE INDEX review_by_due ON review (due)"}},
};
static_assert(std::size(kUpgrades) == kSchemaVersion);

// The local day of a row worked out from its text, for rows that carry no
// day number: those of a file not yet upgraded (read-only, or only being
// exported).
const QString kDayOfAt = QStringLiteral(VEXLOR_DAY_OF("at"));
} // namespace

const QString kKnownTime = QStringLiteral("CASE WHEN " VEXLOR_KNOWN_TIME " THEN seconds END");
const QString kKnownCondition = QStringLiteral(VEXLOR_KNOWN_TIME);

QString dayOf(int version) {
    return version >= kTalliesVersion ? QStringLiteral("day") : kDayOfAt;
}

int fileVersion(const QSqlDatabase& db) {
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
}

std::optional<double> medianOfDay(const QSqlDatabase& db, int day, QSqlError& error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (q.prepare(QStringLiteral("SELECT %1 FROM solved WHERE day IS ?").arg(kKnownTime))) {
        q.bindValue(0, day == 0 ? QVariant() : QVariant(day));
        if (q.exec()) {
            std::vector<double> seconds;
            while (q.next())
                if (const QVariant value = q.value(0); !value.isNull())
                    seconds.push_back(value.toDouble());
            if (!q.lastError().isValid())
                return median(std::move(seconds));
        }
    }
    error = q.lastError();
    return std::nullopt;
}

const QString kInsertSolve =
    QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong, day, utc_offset, exam)"
                   " VALUES (?, ?, ?, ?, ?, ?, ?)");

const QString kInsertExam = QStringLiteral(
    "INSERT OR IGNORE INTO exams (id, at, utc_offset, cubes, right_answers, answered,"
    " limit_seconds, seconds, name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");

namespace {

// Stores the medians of the days whose rows were added since they were
// taken, so that the Progress window need not take them when it opens. What
// fails here stays stale, and the reading takes it.
void storeStaleMedians(QSqlDatabase db) {
    QSqlQuery q(db);
    std::vector<int> days;
    if (!q.exec(QStringLiteral("SELECT day FROM day_tallies WHERE stale")))
        return;
    while (q.next())
        days.push_back(q.value(0).toInt());
    q.finish();
    if (days.empty() || !db.transaction())
        return;
    bool ok =
        q.prepare(QStringLiteral("UPDATE day_tallies SET median = ?, stale = 0 WHERE day = ?"));
    QSqlError error;
    for (auto day = days.begin(); ok && day != days.end(); ++day) {
        const std::optional<double> taken = medianOfDay(db, *day, error);
        q.bindValue(0, taken && std::isfinite(*taken) ? QVariant(*taken) : QVariant());
        q.bindValue(1, *day);
        ok = taken && q.exec();
    }
    q.finish();
    if (!ok || !db.commit())
        db.rollback();
}

} // namespace

namespace {

bool runAll(QSqlQuery& q, std::initializer_list<const char*> statements) {
    for (const char* statement : statements)
        if (!q.exec(QLatin1String(statement)))
            return false;
    return true;
}

} // namespace

std::optional<SchemaProblem> prepareSchema(const QSqlDatabase& database) {
    QSqlDatabase db = database;
    QSqlQuery q(db);
    const auto failed = [](const QSqlError& error) {
        return SchemaProblem{SchemaProblem::Kind::Failed, error};
    };
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed(q.lastError());
    const int version = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return failed(q.lastError());
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    // Looked at before anything is written: another program's database is
    // not ours to write into, not even its journal mode.
    if (!tables.contains(QStringLiteral("solved"))) {
        if (version == 0 && !tables.isEmpty())
            return SchemaProblem{SchemaProblem::Kind::Foreign, {}};
        if (version != 0)
            return SchemaProblem{SchemaProblem::Kind::NoHistory, {}};
    }
    // WAL lets the Progress window and a second Vexlor read while a row is
    // written. synchronous=FULL makes every commit reach the disk before the
    // pick returns, so that a power cut loses at most the Cube being solved;
    // in WAL mode that costs one sync of the log per row.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!q.exec(QLatin1String(pragma)))
            return failed(q.lastError());
    q.finish();
    // A newer program's file is used as it is: its rows keep the columns
    // written here.
    if (version < kSchemaVersion) {
        if (!db.transaction())
            return failed(db.lastError());
        // Read again inside the transaction: a second Vexlor may have
        // upgraded the file meanwhile, and a column cannot be added twice.
        bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
        const int from = ok ? q.value(0).toInt() : version;
        q.finish();
        for (int step = from; ok && step < kSchemaVersion; ++step)
            ok = runAll(q, kUpgrades[step].columns) && runAll(q, kUpgrades[step].derived);
        ok = ok && (from >= kSchemaVersion ||
                    q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)));
        if (!ok || !db.commit()) {
            const QSqlError error = ok ? db.lastError() : q.lastError();
            q.finish();
            db.rollback();
            return failed(error);
        }
    }
    storeStaleMedians(db);
    return std::nullopt;
}

std::optional<QSqlError> buildSchema(const QSqlDatabase& db,
                                     const std::function<std::optional<QSqlError>()>& fill,
                                     const std::function<bool(int done, int total)>& derived) {
    QSqlQuery q(db);
    for (const UpgradeStep& step : kUpgrades)
        if (!runAll(q, step.columns))
            return q.lastError();
    if (fill)
        if (std::optional<QSqlError> error = fill())
            return error;
    int total = 0;
    for (const UpgradeStep& step : kUpgrades)
        total += static_cast<int>(step.derived.size());
    int done = 0;
    for (const UpgradeStep& step : kUpgrades)
        for (const char* statement : step.derived) {
            if (!q.exec(QLatin1String(statement)))
                return q.lastError();
            if (derived && !derived(++done, total))
                return QSqlError(QString(), QStringLiteral("stopped"), QSqlError::UnknownError);
        }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)))
        return q.lastError();
    return std::nullopt;
}

#undef VEXLOR_TALLY_DAY
#undef VEXLOR_COUNT_ON_DAY
#undef VEXLOR_DAY_OF
#undef VEXLOR_KNOWN_TIME

} // namespace vexlor
