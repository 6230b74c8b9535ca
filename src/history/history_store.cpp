#include "history_store.h"

#include "session/statistics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>

namespace vexlor {

namespace {

// The notices' texts, translated under the store's name.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)
};

const QString kDriver = QStringLiteral("QSQLITE");

// At the close the window is gone: the last try may wait this long for a
// lock before the rows that wait are given up.
constexpr int kLastTryTimeoutMs = 2000;

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
        .arg(version >= kTalliesVersion ? QStringLiteral("utc_offset") : QStringLiteral("NULL"));
}

// The schema version of an open file, which a store that only reads leaves
// as it found it.
int fileVersion(const QSqlDatabase& db) {
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
}

// The median of the known times of a day's rows (day 0: those whose date
// cannot be read); not a finite number when none has a time. Empty, with the
// failure in error, when the rows cannot be read.
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

#undef VEXLOR_TALLY_DAY
#undef VEXLOR_COUNT_ON_DAY
#undef VEXLOR_DAY_OF
#undef VEXLOR_KNOWN_TIME

const QString kInsert = QStringLiteral(
    "INSERT INTO solved (at, kind, seconds, wrong, day, utc_offset) VALUES (?, ?, ?, ?, ?, ?)");

// A free name beside path that says why the file was set aside and when:
// history.damaged-2025-03-01-102233.sqlite.
QString setAsideName(const QString& path, HistoryStore::SetAside reason) {
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(
        info.completeBaseName() +
        (reason == HistoryStore::SetAside::Damaged ? QStringLiteral(".damaged-")
                                                   : QStringLiteral(".foreign-")) +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

// The files SQLite keeps beside a database while it is in use.
constexpr const char* kSideFiles[] = {"-wal", "-shm", "-journal"};

// A file that this run created and could not fill holds nothing: it goes,
// with what SQLite left beside it, so that a failed first creation leaves
// no empty history behind.
void removeEmptyFile(const QString& path) {
    if (!QFileInfo::exists(path) || QFileInfo(path).size() != 0)
        return;
    for (const char* side : kSideFiles)
        if (const QFileInfo file(path + QLatin1String(side)); file.exists() && file.size() == 0)
            QFile::remove(file.filePath());
    QFile::remove(path);
}

} // namespace

SolvedCube solvedCubeOf(const Cube& c, const Clock& clock) {
    int wrong = 0;
    for (int a = 0; a < kAnswers; ++a)
        if (a != c.correctAnswer && c.picked[a] != 0)
            ++wrong;
    return {localDateTime(clock.now()), c.recipe, cubeTime(c, clock) * 86'400.0, wrong};
}

HistoryStore::HistoryStore(const QString& path, Mode mode) : path_(path), mode_(mode) {
    open();
}

HistoryStore::~HistoryStore() {
    if (!waiting_.empty())
        writeWaiting(Attempt::Exit);
    closeConnection();
}

QString HistoryStore::defaultPath() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Vexlor/history.sqlite");
}

bool HistoryStore::hasGivenUp() const {
    return mode_ == Mode::ReadOnly || state_ == State::NoDriver || state_ == State::ReadOnly ||
           state_ == State::Unusable;
}

QString HistoryStore::notice() const {
    const QString file = QDir::toNativeSeparators(path_);
    QStringList sentences;
    if (!setAsidePath_.isEmpty()) {
        const QString aside = QDir::toNativeSeparators(setAsidePath_);
        if (setAsideReason_ == SetAside::Foreign)
            sentences << Texts::tr("The file %1 was not a Vexlor history. It was set aside as %2 "
                                   "and a new history was started.")
                             .arg(file, aside);
        else
            sentences << Texts::tr("The history file %1 was damaged. It was set aside as %2 and "
                                   "a new history was started.")
                             .arg(file, aside);
        if (salvage_ && !salvage_->failure.isEmpty())
            sentences << Texts::tr("Its solves could not be copied into the new history (%1); "
                                   "they are still in the file set aside.")
                             .arg(salvage_->failure);
        else if (salvage_ && (salvage_->saved != 0 || salvage_->lost != 0))
            sentences << Texts::tr("Solves copied into the new history: %L1; solves that could "
                                   "not be read: %2.")
                             .arg(salvage_->saved)
                             .arg(salvage_->lost ? QLocale().toString(*salvage_->lost)
                                                 : Texts::tr("an unknown number"));
    }

    QString why;
    switch (state_) {
    case State::Recording:
        break;
    case State::NoDriver:
        why = Texts::tr("the SQLite driver for Qt is not installed (Debian package "
                        "libqt6sql6-sqlite)");
        break;
    case State::CannotOpen:
        why = Texts::tr("%1 cannot be opened (%2)").arg(file, detail_);
        break;
    case State::Locked:
        why = Texts::tr("%1 is in use by another program, perhaps a second Vexlor").arg(file);
        break;
    case State::ReadOnly:
        why = Texts::tr("%1 is read-only").arg(file);
        break;
    case State::Full:
        why = Texts::tr("the disk that holds %1 is full").arg(file);
        break;
    case State::Failed:
        why = Texts::tr("%1 cannot be written (%2)").arg(file, detail_);
        break;
    case State::Unusable:
        why = Texts::tr("%1 cannot be used by this version of Vexlor (%2)").arg(file, detail_);
        break;
    }
    if (!why.isEmpty())
        sentences << (hasGivenUp() ? Texts::tr("Progress is not recorded: %1.")
                                   : Texts::tr("Progress is not saved just now: %1."))
                         .arg(why);
    const int waiting = waitingCount();
    if (waiting > 0 && hasGivenUp())
        sentences << Texts::tr("%Ln solve(s) of this run wait(s) for a last try when Vexlor "
                               "closes.",
                               nullptr, waiting);
    else if (waiting > 0)
        sentences << Texts::tr("%Ln solve(s) of this run wait(s) in memory and will be saved "
                               "with the next solve or when Vexlor closes.",
                               nullptr, waiting);
    else if (!why.isEmpty() && !hasGivenUp())
        sentences << Texts::tr("Vexlor tries again with the next solve.");
    return sentences.join(QLatin1Char(' '));
}

bool HistoryStore::open() {
    closeConnection();
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        state_ = State::NoDriver;
        return false;
    }
    const QFileInfo file(path_);
    // SQLite would open a FIFO and wait there for a writer, and can make
    // nothing of a folder or a device.
    if (file.exists() && !file.isFile()) {
        state_ = State::CannotOpen;
        detail_ = QStringLiteral("it is not a regular file");
        return false;
    }
    if (mode_ == Mode::ReadOnly) {
        if (!file.exists()) {
            state_ = State::CannotOpen;
            detail_ = QStringLiteral("there is no such file");
            return false;
        }
        std::optional<SetAside> damaged;
        if (!openIntact(SqliteConnection::Access::ReadOnly, damaged)) {
            state_ = State::CannotOpen;
            if (damaged)
                detail_ = QStringLiteral("it is damaged or not a Vexlor history");
            closeConnection();
            return false;
        }
        state_ = State::ReadOnly;
        return true;
    }
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder)) {
        state_ = State::CannotOpen;
        detail_ = QStringLiteral("its folder cannot be made");
        return false;
    }
    // SQLite writes its log beside the file, so the folder must be writable
    // too. Where it is not, nothing is opened for writing: the rows are read
    // through a read-only connection.
    if ((file.exists() && !file.isWritable()) || !QFileInfo(folder).isWritable()) {
        state_ = State::ReadOnly;
        return false;
    }
    // At most one file is set aside: the fresh one that takes its place is
    // neither damaged nor another program's.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool existed = QFileInfo::exists(path_);
        std::optional<SetAside> setAside;
        if (openIntact(SqliteConnection::Access::ReadWrite, setAside) && prepareSchema(setAside)) {
            if (salvagePending_) {
                salvagePending_ = false;
                salvage_ = salvageRows(setAsidePath_, connection_->database());
            }
            state_ = State::Recording;
            return true;
        }
        closeConnection();
        if (!setAside) {
            if (!existed)
                removeEmptyFile(path_);
            return false;
        }
        if (attempt > 0) {
            state_ = State::Unusable;
            detail_ = QStringLiteral("a new history cannot be started in its place");
            return false;
        }
        if (!setAsideAndStartAgain(*setAside))
            return false;
    }
    return false;
}

bool HistoryStore::openIntact(SqliteConnection::Access access, std::optional<SetAside>& damaged) {
    connection_.emplace(path_, access, kBusyTimeoutMs);
    if (!connection_->open()) {
        if (faultOf(connection_->error()) == SqliteFault::Damaged)
            damaged = SetAside::Damaged;
        takeFailure(connection_->error());
        return false;
    }
    QSqlQuery check(connection_->database());
    if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (faultOf(check.lastError()) == SqliteFault::Damaged)
            damaged = SetAside::Damaged;
        takeFailure(check.lastError());
        return false;
    }
    if (!check.next() || check.value(0).toString() != QLatin1String("ok")) {
        damaged = SetAside::Damaged;
        detail_ = check.value(0).toString();
        return false;
    }
    intact_ = true;
    return true;
}

bool HistoryStore::prepareSchema(std::optional<SetAside>& foreign) {
    QSqlDatabase db = connection_->database();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        takeFailure(q.lastError());
        return false;
    }
    const int version = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        takeFailure(q.lastError());
        return false;
    }
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    // Looked at before anything is written: another program's database is
    // not ours to write into, not even its journal mode.
    if (!tables.contains(QStringLiteral("solved"))) {
        if (version == 0 && !tables.isEmpty()) {
            foreign = SetAside::Foreign;
            return false;
        }
        if (version != 0) {
            state_ = State::Unusable;
            detail_ = QStringLiteral("it has no table of solved Cubes");
            return false;
        }
    }
    // WAL lets the Progress window and a second Vexlor read while a row is
    // written. synchronous=FULL makes every commit reach the disk before the
    // pick returns, so that a power cut loses at most the Cube being solved;
    // in WAL mode that costs one sync of the log per row.
    for (const char* pragma : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL"})
        if (!q.exec(QLatin1String(pragma))) {
            takeFailure(q.lastError());
            return false;
        }
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
        if (!ok || !db.commit()) {
            const QSqlError error = ok ? db.lastError() : q.lastError();
            q.finish();
            db.rollback();
            takeFailure(error);
            return false;
        }
    }
    storeStaleMedians(db);
    insert_.emplace(db);
    if (!insert_->prepare(kInsert)) {
        takeFailure(insert_->lastError());
        insert_.reset();
        return false;
    }
    return true;
}

bool HistoryStore::setAsideAndStartAgain(SetAside reason) {
    closeConnection();
    const QString target = setAsideName(path_, reason);
    const auto cannot = [this] {
        state_ = State::Unusable;
        detail_ = QStringLiteral("it cannot be set aside");
        return false;
    };
    // The side files go first: a journal left beside the fresh file would be
    // taken for its own.
    for (const char* side : kSideFiles) {
        const QString from = path_ + QLatin1String(side);
        if (QFileInfo::exists(from) && !QFile::rename(from, target + QLatin1String(side)))
            return cannot();
    }
    if (!QFile::rename(path_, target))
        return cannot();
    setAsidePath_ = target;
    setAsideReason_ = reason;
    salvage_.reset();
    salvagePending_ = reason == SetAside::Damaged;
    ++generation_;
    return true;
}

void HistoryStore::closeConnection() {
    insert_.reset();
    intact_ = false;
    connection_.reset();
}

void HistoryStore::takeFailure(const QSqlError& error) {
    detail_ = describeFailure(error);
    switch (faultOf(error)) {
    case SqliteFault::Busy:
        state_ = State::Locked;
        break;
    case SqliteFault::Full:
        state_ = State::Full;
        break;
    case SqliteFault::ReadOnly:
        state_ = State::ReadOnly;
        break;
    case SqliteFault::CannotOpen:
        state_ = State::CannotOpen;
        break;
    case SqliteFault::Damaged:
    case SqliteFault::Unusable:
        state_ = State::Unusable;
        break;
    case SqliteFault::Other:
        state_ = State::Failed;
        break;
    }
}

bool HistoryStore::record(const SolvedCube& cube) {
    if (mode_ == Mode::ReadOnly)
        return false;
    waiting_.push_back(cube);
    return writeWaiting(Attempt::Solve);
}

bool HistoryStore::writeWaitingRows() {
    return writeWaiting(Attempt::Close);
}

bool HistoryStore::writeWaiting(Attempt attempt) {
    if (waiting_.empty())
        return true;
    if (mode_ == Mode::ReadOnly || (hasGivenUp() && attempt == Attempt::Solve))
        return false;
    // The close's try opens the file afresh: what stopped the writing may
    // have been mended meanwhile.
    if (hasGivenUp())
        closeConnection();
    if (!insert_ && !open())
        return false;
    if (attempt == Attempt::Exit)
        (void)QSqlQuery(connection_->database())
            .exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(kLastTryTimeoutMs));
    for (bool again = true;; again = false) {
        const std::optional<QSqlError> error = insertWaiting();
        if (!error) {
            waiting_.clear();
            state_ = State::Recording;
            return true;
        }
        // The rows go into a fresh file, after what can be saved of this one.
        if (faultOf(*error) == SqliteFault::Damaged && again) {
            if (setAsideAndStartAgain(SetAside::Damaged) && open())
                continue;
            return false;
        }
        takeFailure(*error);
        if (hasGivenUp())
            closeConnection();
        return false;
    }
}

std::optional<QSqlError> HistoryStore::insertWaiting() {
    // The usual solve: one row, one synced INSERT of its own.
    if (waiting_.size() == 1)
        return insertRow(waiting_.front());
    QSqlDatabase db = connection_->database();
    if (!db.transaction())
        return db.lastError();
    for (const SolvedCube& cube : waiting_)
        if (std::optional<QSqlError> error = insertRow(cube)) {
            db.rollback();
            return error;
        }
    if (!db.commit()) {
        const QSqlError error = db.lastError();
        db.rollback();
        return error;
    }
    return std::nullopt;
}

std::optional<QSqlError> HistoryStore::insertRow(const SolvedCube& cube) {
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
        return std::nullopt;
    return insert_->lastError();
}

std::vector<SolvedRow> HistoryStore::waitingRows() const {
    std::vector<SolvedRow> rows;
    for (const SolvedCube& c : waiting_)
        rows.push_back({dayNumber(c.at.date()), c.recipe, c.seconds, c.wrong});
    return rows;
}

std::optional<QSqlDatabase> HistoryStore::readingDatabase(std::optional<SqliteConnection>& reader) {
    if (connection_ && intact_)
        return connection_->database();
    // No history yet: nothing to read, and nothing wrong with that.
    if (!QFileInfo(path_).isFile())
        return std::nullopt;
    reader.emplace(path_, SqliteConnection::Access::ReadOnly, kBusyTimeoutMs);
    if (!reader->open()) {
        readError_ = describeFailure(reader->error());
        return std::nullopt;
    }
    return reader->database();
}

std::vector<SolvedRow> HistoryStore::readRows(qint64& after) {
    readError_.clear();
    std::optional<SqliteConnection> reader;
    const std::optional<QSqlDatabase> db = readingDatabase(reader);
    if (!db)
        return {};
    return readRowsFrom(*db, after);
}

std::vector<SolvedRow> HistoryStore::readRowsFrom(const QSqlDatabase& db, qint64& after) {
    std::vector<SolvedRow> rows;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto failed = [this, &q, &rows] {
        readError_ = describeFailure(q.lastError());
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
        if (!q.prepare(selectRows(fileVersion(db))))
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
    return rows;
}

HistoryFigures HistoryStore::readFigures() {
    readError_.clear();
    const std::vector<SolvedRow> waiting = waitingRows();
    std::optional<SqliteConnection> reader;
    const std::optional<QSqlDatabase> db = readingDatabase(reader);
    if (!db)
        return readError_.isEmpty() ? gatherFigures(waiting) : HistoryFigures{};
    // A file that has no tallies is read row by row: one this store may not
    // upgrade (it only reads, or its folder is read-only), or one whose
    // tallies were dropped by hand.
    const auto fromRows = [this, &db, &waiting] {
        qint64 after = 0;
        std::vector<SolvedRow> rows = readRowsFrom(*db, after);
        if (!readError_.isEmpty())
            return HistoryFigures{};
        rows.insert(rows.end(), waiting.begin(), waiting.end());
        return gatherFigures(rows);
    };
    if (fileVersion(*db) < kTalliesVersion)
        return fromRows();
    QSqlQuery q(*db);
    q.setForwardOnly(true);
    const auto failed = [this, &q] {
        readError_ = describeFailure(q.lastError());
        return HistoryFigures{};
    };
    HistoryFigures figures;
    if (!q.exec(QStringLiteral(
            "SELECT day, cubes, wrong, median, stale FROM day_tallies ORDER BY day"))) {
        if (faultOf(q.lastError()) != SqliteFault::Unusable)
            return failed();
        return fromRows();
    }
    while (q.next()) {
        const int day = q.value(0).toInt();
        const int cubes = q.value(1).toInt();
        figures.cubes += cubes;
        if (day == 0 || cubes <= 0)
            continue;
        const QVariant stored = q.value(3);
        double median = stored.isNull() ? std::nan("") : stored.toDouble();
        // A day solved on since the history was opened to write: its median
        // is taken from its rows.
        if (q.value(4).toBool()) {
            QSqlError error;
            const std::optional<double> taken = medianOfDay(*db, day, error);
            if (!taken) {
                readError_ = describeFailure(error);
                return HistoryFigures{};
            }
            median = *taken;
        }
        figures.days.push_back({day, cubes, median, q.value(2).toDouble() / cubes});
    }
    if (q.lastError().isValid())
        return failed();
    if (!q.exec(QStringLiteral("SELECT kind, cubes FROM recipe_tallies")))
        return failed();
    while (q.next()) {
        bool isNumber = false;
        const int kind = q.value(0).toInt(&isNumber);
        if (isNumber && isRecipe(kind))
            figures.recipeCubes[static_cast<std::size_t>(kind)] = q.value(1).toInt();
    }
    if (q.lastError().isValid())
        return failed();
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
        if (q.lastError().isValid())
            return failed();
        std::reverse(recent.begin(), recent.end());
    }
    if (waiting.empty())
        return figures;
    // The waiting rows' days are taken anew with the rows stored on them.
    std::vector<int> days;
    for (const SolvedRow& row : waiting)
        if (std::find(days.begin(), days.end(), row.day) == days.end())
            days.push_back(row.day);
    std::vector<SolvedRow> sameDays;
    if (!q.prepare(QStringLiteral("SELECT %1, wrong FROM solved WHERE day = ?").arg(kKnownTime)))
        return failed();
    for (int day : days) {
        q.bindValue(0, day);
        if (!q.exec())
            return failed();
        while (q.next()) {
            const QVariant seconds = q.value(0);
            sameDays.push_back({day, -1, seconds.isNull() ? std::nan("") : seconds.toDouble(),
                                q.value(1).toInt()});
        }
        if (q.lastError().isValid())
            return failed();
    }
    addRows(figures, sameDays, waiting);
    return figures;
}

SpanFigures HistoryStore::readSpan(int first, int last) {
    std::vector<SolvedRow> rows;
    std::optional<SqliteConnection> reader;
    if (const std::optional<QSqlDatabase> db = readingDatabase(reader)) {
        QSqlQuery q(*db);
        q.setForwardOnly(true);
        if (q.prepare(QStringLiteral("SELECT %1, wrong FROM solved WHERE %2 BETWEEN ? AND ?")
                          .arg(kKnownTime, dayOf(fileVersion(*db))))) {
            q.addBindValue(first);
            q.addBindValue(last);
            if (q.exec())
                while (q.next()) {
                    const QVariant seconds = q.value(0);
                    rows.push_back({first, 0, seconds.isNull() ? std::nan("") : seconds.toDouble(),
                                    q.value(1).toInt()});
                }
        }
        if (q.lastError().isValid()) {
            readError_ = describeFailure(q.lastError());
            rows.clear();
        }
    }
    for (const SolvedRow& row : waitingRows())
        if (row.day >= first && row.day <= last)
            rows.push_back(row);
    return spanFigures(rows, first, last);
}

bool HistoryStore::forEachStoredRow(const std::function<void(const StoredRow&)>& visit) {
    readError_.clear();
    if (mode_ == Mode::ReadOnly && !intact_) {
        readError_ = detail_;
        return false;
    }
    std::optional<SqliteConnection> reader;
    const std::optional<QSqlDatabase> db = readingDatabase(reader);
    if (!db)
        return readError_.isEmpty();
    QSqlQuery q(*db);
    q.setForwardOnly(true);
    if (!q.exec(selectStored(fileVersion(*db)))) {
        readError_ = describeFailure(q.lastError());
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
        readError_ = describeFailure(q.lastError());
        return false;
    }
    return true;
}

} // namespace vexlor
