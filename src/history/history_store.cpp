#include "history_store.h"

#include "session/statistics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <initializer_list>
#include <iterator>

namespace vexlor {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// A pick must never wait long on a database another program holds; a
// writer that holds it longer than this has failed as far as we are
// concerned.
constexpr int kBusyTimeoutMs = 100;

// SQLite's primary result codes, as Qt's driver reports them.
enum SqliteCode {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26,
};

int codeOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // Extended codes carry the primary code in their low byte.
    return ok ? code & 0xFF : -1;
}

// SQL shared by the upgrade steps below. A time counts when it is a finite
// number: NULL, text and infinities sort outside these bounds.
#define VEXLOR_KNOWN_TIME "seconds BETWEEN -1e308 AND 1e308"
#define VEXLOR_DAY_OF(at) "CAST(julianday(substr(" at ", 1, 10)) - 2415018.5 AS INTEGER)"
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

// The steps from each schema version to the next, each a list of
// statements. Steps only ever add, so that an older file keeps every row it
// has.
const std::initializer_list<const char*> kUpgrades[] = {
    // 0 -> 1
    {"CREATE TABLE IF NOT EXISTS solved ("
     " id INTEGER PRIMARY KEY,"
     " at TEXT NOT NULL,"
     " kind INTEGER NOT NULL,"
     " seconds REAL,"
     " wrong INTEGER NOT NULL)"},
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
    {"ALTER TABLE solved ADD COLUMN day INTEGER",
     "ALTER TABLE solved ADD COLUMN utc_offset INTEGER",
     "UPDATE solved SET day = " VEXLOR_DAY_OF("at"),
     "CREATE INDEX solved_by_day ON solved (day, seconds, wrong)",
     "CREATE INDEX solved_by_kind ON solved (kind)",
     "CREATE TABLE day_tallies (day PRIMARY KEY, cubes INTEGER NOT NULL, wrong INTEGER NOT NULL,"
     " median REAL)",
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
     VEXLOR_TALLY_DAY("COALESCE(NEW.day, " VEXLOR_DAY_OF("NEW.at") ")")
     " INSERT INTO recipe_tallies (kind, cubes) VALUES (NEW.kind, 1)"
     " ON CONFLICT (kind) DO UPDATE SET cubes = cubes + 1;"
     " END",
     "CREATE TRIGGER solved_removed AFTER DELETE ON solved BEGIN "
     VEXLOR_TALLY_DAY("OLD.day")
     " UPDATE recipe_tallies SET cubes = cubes - 1 WHERE kind = OLD.kind;"
     " DELETE FROM recipe_tallies WHERE kind = OLD.kind AND cubes <= 0;"
     " END"},
    // clang-format on
};
static_assert(std::size(kUpgrades) == HistoryStore::kSchemaVersion);

// The first version whose files carry the day and the tallies.
constexpr int kTalliesVersion = 2;

// The local day of a row worked out from its text, for rows that carry no
// day number: those of a file not yet upgraded (read-only, or only being
// exported).
const QString kDayOfAt = QStringLiteral(VEXLOR_DAY_OF("at"));
// A row's time, or NULL when it is not a finite number.
const QString kKnownTime = QStringLiteral("CASE WHEN " VEXLOR_KNOWN_TIME " THEN seconds END");

// The day of a row in a file of the given schema version.
QString dayOf(int version) {
    return version >= kTalliesVersion ? QStringLiteral("day") : kDayOfAt;
}

// The query that reads the rows after one id up to another. Qt's driver
// wraps every value of every row in a QVariant, which costs more than
// SQLite's reading itself, so a row comes as two values: its time, and one
// integer that packs its day (from bit 16), its recipe (bits 8-15; 255 for a
// number no recipe has) and its wrong picks (bits 0-7, at most 255, more
// than any Cube can have).
QString selectRows(int version) {
    return QStringLiteral("SELECT (IFNULL(%1, 0) << 16)"
                          " | (CASE WHEN kind BETWEEN 0 AND 254 THEN kind ELSE 255 END << 8)"
                          " | max(0, min(wrong, 255)), %2"
                          " FROM solved WHERE id > ? AND id <= ? ORDER BY id")
        .arg(dayOf(version), kKnownTime);
}

SolvedRow unpackRow(qint64 packed, const QVariant& seconds) {
    const int recipe = static_cast<int>((packed >> 8) & 0xFF);
    return {static_cast<int>(packed >> 16), recipe == 0xFF ? -1 : recipe,
            seconds.isNull() ? std::nan("") : seconds.toDouble(), static_cast<int>(packed & 0xFF)};
}

QString selectStored(int version) {
    return QStringLiteral("SELECT at, kind, seconds, wrong, %1 FROM solved ORDER BY id")
        .arg(version >= 2 ? QStringLiteral("utc_offset") : QStringLiteral("NULL"));
}

#undef VEXLOR_TALLY_DAY
#undef VEXLOR_DAY_OF
#undef VEXLOR_KNOWN_TIME

const QString kInsert = QStringLiteral(
    "INSERT INTO solved (at, kind, seconds, wrong, day, utc_offset) VALUES (?, ?, ?, ?, ?, ?)");

// A free name beside path that says the file was set aside and when:
// history.damaged-2025-03-01-102233.sqlite.
QString setAsideName(const QString& path) {
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(
        info.completeBaseName() + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

// The files SQLite keeps beside a database while it is in use.
constexpr const char* kSideFiles[] = {"-wal", "-shm", "-journal"};

std::atomic<int> connectionCount{0};

} // namespace

int dayNumber(QDate date) {
    return static_cast<int>(QDate(1899, 12, 30).daysTo(date));
}

QDateTime localDateTime(DateTime t) {
    constexpr qint64 kMsPerDay = 86'400'000;
    const double days = std::floor(t);
    const auto ms = std::clamp<qint64>(std::llround((t - days) * kMsPerDay), 0, kMsPerDay - 1);
    return QDateTime(QDate(1899, 12, 30).addDays(static_cast<qint64>(days)),
                     QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

SolvedCube solvedCubeOf(const Cube& c) {
    int wrong = 0;
    for (int a = 0; a < kAnswers; ++a)
        if (a != c.correctAnswer && c.picked[a] != 0)
            ++wrong;
    return {localDateTime(now()), c.recipe, cubeTime(c) * 86'400.0, wrong};
}

HistoryStore::HistoryStore(const QString& path, Mode mode)
    : path_(path), mode_(mode),
      connectionName_(QStringLiteral("vexlor-history-%1").arg(++connectionCount)) {
    open();
}

HistoryStore::~HistoryStore() {
    closeConnection();
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

QString HistoryStore::defaultPath() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Vexlor/history.sqlite");
}

QString HistoryStore::notice() const {
    const QString file = QDir::toNativeSeparators(path_);
    switch (state_) {
    case State::Recording:
        if (setAsidePath_.isEmpty())
            return {};
        return QStringLiteral("The history file %1 was damaged. It was set aside as %2 and a new "
                              "history was started.")
            .arg(file, QDir::toNativeSeparators(setAsidePath_));
    case State::NoDriver:
        return QStringLiteral("Progress is not recorded: the SQLite driver for Qt is not "
                              "installed (Debian package libqt6sql6-sqlite).");
    case State::CannotOpen:
        return QStringLiteral("Progress is not recorded: %1 cannot be opened (%2).")
            .arg(file, detail_);
    case State::Locked:
        return QStringLiteral("Progress is not recorded this run: %1 is in use by another "
                              "program, perhaps a second Vexlor.")
            .arg(file);
    case State::ReadOnly:
        return QStringLiteral("Progress is not recorded: %1 is read-only.").arg(file);
    case State::Full:
        return QStringLiteral("Progress is not recorded this run: the disk that holds %1 is full.")
            .arg(file);
    case State::Failed:
        return QStringLiteral("Progress is not recorded this run: %1 cannot be written (%2).")
            .arg(file, detail_);
    }
    return {};
}

bool HistoryStore::open() {
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        state_ = State::NoDriver;
        return false;
    }
    const QString folder = QFileInfo(path_).absolutePath();
    if (mode_ == Mode::ReadOnly && !QFileInfo::exists(path_)) {
        state_ = State::CannotOpen;
        detail_ = QStringLiteral("there is no such file");
        return false;
    }
    if (mode_ == Mode::ReadWrite && !QDir().mkpath(folder)) {
        state_ = State::CannotOpen;
        detail_ = QStringLiteral("its folder cannot be made");
        return false;
    }
    if (!openConnection())
        return false;
    if (!checkIntact())
        return false;
    if (mode_ == Mode::ReadOnly) {
        state_ = State::ReadOnly;
        return true;
    }
    // SQLite writes its journal beside the file, so the folder must be
    // writable too.
    const QFileInfo file(path_);
    if ((file.exists() && !file.isWritable()) || !QFileInfo(folder).isWritable()) {
        state_ = State::ReadOnly;
        return true;
    }
    return upgrade();
}

bool HistoryStore::openConnection() {
    QSqlDatabase db = QSqlDatabase::contains(connectionName_)
                          ? QSqlDatabase::database(connectionName_, false)
                          : QSqlDatabase::addDatabase(kDriver, connectionName_);
    db.setDatabaseName(path_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (mode_ == Mode::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (db.open())
        return true;
    takeFailure(db.lastError());
    if (state_ != State::Locked)
        state_ = State::CannotOpen;
    return false;
}

void HistoryStore::closeConnection() {
    insert_.reset();
    readable_ = false;
    if (!QSqlDatabase::contains(connectionName_))
        return;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    db.close();
}

bool HistoryStore::checkIntact() {
    for (bool again = true;; again = false) {
        QSqlQuery check(QSqlDatabase::database(connectionName_, false));
        bool damaged = false;
        if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
            damaged = takeFailure(check.lastError());
            if (!damaged)
                return false;
        } else if (!check.next() || check.value(0).toString() != QLatin1String("ok")) {
            damaged = true;
            detail_ = check.value(0).toString();
        }
        if (!damaged) {
            readable_ = true;
            return true;
        }
        check = QSqlQuery();
        if (mode_ == Mode::ReadOnly) {
            state_ = State::CannotOpen;
            detail_ = QStringLiteral("it is damaged or not a Vexlor history");
            return false;
        }
        // A fresh file that is damaged at once is not ours to set aside too.
        if (!again) {
            state_ = State::CannotOpen;
            return false;
        }
        if (!setAsideAndStartAgain())
            return false;
    }
}

bool HistoryStore::setAsideAndStartAgain() {
    closeConnection();
    const QString target = setAsideName(path_);
    // The side files go first: a journal left beside the fresh file would be
    // taken for its own.
    for (const char* side : kSideFiles) {
        const QString from = path_ + QLatin1String(side);
        if (QFileInfo::exists(from) && !QFile::rename(from, target + QLatin1String(side))) {
            state_ = State::CannotOpen;
            detail_ = QStringLiteral("it is damaged and cannot be set aside");
            return false;
        }
    }
    if (!QFile::rename(path_, target)) {
        state_ = State::CannotOpen;
        detail_ = QStringLiteral("it is damaged and cannot be set aside");
        return false;
    }
    setAsidePath_ = target;
    ++generation_;
    return openConnection();
}

bool HistoryStore::upgrade() {
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery q(db);
    // WAL lets the Progress window and a second Vexlor read while a row is
    // written. synchronous=FULL makes every commit reach the disk before the
    // pick returns, so that a power cut loses at most the Cube being solved;
    // in WAL mode that costs one sync of the log per row.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!q.exec(QLatin1String(pragma))) {
            takeFailure(q.lastError());
            return false;
        }
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        takeFailure(q.lastError());
        return false;
    }
    const int version = q.value(0).toInt();
    q.finish();
    // A newer program's file is used as it is: its rows keep the columns
    // written here.
    if (version < kSchemaVersion) {
        if (!db.transaction()) {
            takeFailure(db.lastError());
            return false;
        }
        // Read again inside the transaction: a second Vexlor may have
        // upgraded the file meanwhile, and a column cannot be added twice.
        bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
        const int from = ok ? q.value(0).toInt() : version;
        q.finish();
        for (int step = from; ok && step < kSchemaVersion; ++step)
            for (const char* statement : kUpgrades[step])
                ok = ok && q.exec(QLatin1String(statement));
        ok = ok && (from >= kSchemaVersion ||
                    q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)));
        if (!ok) {
            const QSqlError error = q.lastError();
            db.rollback();
            takeFailure(error);
            return false;
        }
        if (!db.commit()) {
            const QSqlError error = db.lastError();
            db.rollback();
            takeFailure(error);
            return false;
        }
    }
    insert_.emplace(db);
    if (!insert_->prepare(kInsert)) {
        takeFailure(insert_->lastError());
        insert_.reset();
        return false;
    }
    state_ = State::Recording;
    return true;
}

bool HistoryStore::takeFailure(const QSqlError& error) {
    detail_ = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    switch (codeOf(error)) {
    case kCorrupt:
    case kNotADatabase:
        return true;
    case kBusy:
    case kLocked:
        state_ = State::Locked;
        break;
    case kReadOnly:
    case kPerm:
        state_ = State::ReadOnly;
        break;
    case kFull:
        state_ = State::Full;
        break;
    case kCantOpen:
        state_ = State::CannotOpen;
        break;
    default:
        state_ = State::Failed;
        break;
    }
    return false;
}

bool HistoryStore::record(const SolvedCube& cube) {
    for (bool again = true;; again = false) {
        if (state_ != State::Recording || !insert_)
            return false;
        insert_->bindValue(0, cube.at.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
        insert_->bindValue(1, cube.recipe);
        // Milliseconds are more than the clock can tell apart.
        insert_->bindValue(2, std::isfinite(cube.seconds)
                                  ? QVariant(std::round(cube.seconds * 1000.0) / 1000.0)
                                  : QVariant(QMetaType::fromType<double>()));
        insert_->bindValue(3, cube.wrong);
        insert_->bindValue(4, dayNumber(cube.at.date()));
        insert_->bindValue(5, cube.at.offsetFromUtc());
        if (insert_->exec())
            return true;
        const bool damaged = takeFailure(insert_->lastError());
        if (!damaged) {
            insert_.reset();
            return false;
        }
        // The row goes into a fresh file rather than being lost.
        if (!again || !setAsideAndStartAgain() || !checkIntact() || !upgrade()) {
            if (state_ == State::Recording)
                state_ = State::Failed;
            insert_.reset();
            return false;
        }
    }
}

int HistoryStore::fileVersion() const {
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
}

std::vector<SolvedRow> HistoryStore::readRows(qint64& after) {
    std::vector<SolvedRow> rows;
    if (!readable_)
        return rows;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto failed = [this, &q, &rows] {
        readError_ = q.lastError().databaseText();
        rows.clear();
        return rows;
    };
    // The rows up to the last one there is now; a row written meanwhile
    // comes with the next read.
    if (!q.exec(QStringLiteral("SELECT max(id) FROM solved")) || !q.next())
        return failed();
    const qint64 last = q.value(0).toLongLong();
    q.finish();
    if (last > after) {
        if (!q.prepare(selectRows(fileVersion())))
            return failed();
        q.addBindValue(after);
        q.addBindValue(last);
        if (!q.exec())
            return failed();
        rows.reserve(static_cast<std::size_t>(std::min<qint64>(last - after, 1 << 20)));
        while (q.next())
            rows.push_back(unpackRow(q.value(0).toLongLong(), q.value(1)));
        if (q.lastError().isValid())
            return failed();
        after = last;
    }
    readError_.clear();
    return rows;
}

HistoryFigures HistoryStore::readFigures() {
    if (!readable_)
        return {};
    const auto fromRows = [this] {
        qint64 after = 0;
        return gatherFigures(readRows(after));
    };
    if (fileVersion() < kTalliesVersion)
        return fromRows();
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    q.setForwardOnly(true);
    const auto failed = [this, &q] {
        readError_ = q.lastError().databaseText();
        return HistoryFigures{};
    };
    HistoryFigures figures;
    // A file whose tallies are gone (dropped by hand) is still read, row by
    // row.
    if (!q.exec(QStringLiteral("SELECT day, cubes, wrong, median FROM day_tallies ORDER BY day")))
        return fromRows();
    while (q.next()) {
        const int day = q.value(0).toInt();
        const int cubes = q.value(1).toInt();
        figures.cubes += cubes;
        const QVariant median = q.value(3);
        if (day != 0 && cubes > 0)
            figures.days.push_back({day, cubes, median.isNull() ? std::nan("") : median.toDouble(),
                                    q.value(2).toDouble() / cubes});
    }
    if (!q.exec(QStringLiteral("SELECT kind, cubes FROM recipe_tallies")))
        return failed();
    while (q.next()) {
        bool isNumber = false;
        const int kind = q.value(0).toInt(&isNumber);
        if (isNumber && isRecipe(kind))
            figures.recipeCubes[static_cast<std::size_t>(kind)] = q.value(1).toInt();
    }
    if (!q.prepare(QStringLiteral("SELECT %1, wrong FROM solved WHERE kind = ? ORDER BY id DESC"
                                  " LIMIT %2")
                       .arg(kKnownTime)
                       .arg(kRecentSolves)))
        return failed();
    for (int k = 0; k < kRecipeCount; ++k) {
        q.bindValue(0, k);
        if (!q.exec())
            return failed();
        std::vector<SolvedRow>& recent = figures.recentSolves[static_cast<std::size_t>(k)];
        while (q.next()) {
            const QVariant seconds = q.value(0);
            recent.push_back(
                {0, k, seconds.isNull() ? std::nan("") : seconds.toDouble(), q.value(1).toInt()});
        }
        std::reverse(recent.begin(), recent.end());
    }
    readError_.clear();
    return figures;
}

SpanFigures HistoryStore::readSpan(int first, int last) {
    std::vector<SolvedRow> rows;
    QSqlQuery q(QSqlDatabase::database(connectionName_, false));
    q.setForwardOnly(true);
    if (readable_ &&
        q.prepare(QStringLiteral("SELECT %1, wrong FROM solved WHERE %2 BETWEEN ? AND ?")
                      .arg(kKnownTime, dayOf(fileVersion())))) {
        q.addBindValue(first);
        q.addBindValue(last);
        if (q.exec())
            while (q.next()) {
                const QVariant seconds = q.value(0);
                rows.push_back({first, 0, seconds.isNull() ? std::nan("") : seconds.toDouble(),
                                q.value(1).toInt()});
            }
    }
    return spanFigures(rows, first, last);
}

bool HistoryStore::forEachStoredRow(const std::function<void(const StoredRow&)>& visit) {
    if (!readable_) {
        readError_ = detail_;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(selectStored(fileVersion()))) {
        readError_ = q.lastError().databaseText();
        return false;
    }
    StoredRow row;
    while (q.next()) {
        row.at = q.value(0).toString();
        row.recipe = q.value(1).toInt();
        const QVariant seconds = q.value(2);
        row.seconds = seconds.isNull() ? std::nullopt : std::optional(seconds.toDouble());
        row.wrong = q.value(3).toInt();
        const QVariant offset = q.value(4);
        row.utcOffset = offset.isNull() ? std::nullopt : std::optional(offset.toInt());
        visit(row);
    }
    if (q.lastError().isValid()) {
        readError_ = q.lastError().databaseText();
        return false;
    }
    return true;
}

} // namespace vexlor
