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

// The step from each schema version to the next. Steps only ever add, so
// that an older file keeps every row it has.
const char* const kUpgrades[] = {
    // 0 -> 1
    "CREATE TABLE IF NOT EXISTS solved ("
    " id INTEGER PRIMARY KEY,"
    " at TEXT NOT NULL,"
    " kind INTEGER NOT NULL,"
    " seconds REAL,"
    " wrong INTEGER NOT NULL)",
};
static_assert(std::size(kUpgrades) == HistoryStore::kSchemaVersion);

// The local date is turned into a day number by SQLite itself, so that
// reading a large history converts no text.
const QString kSelectRows =
    QStringLiteral("SELECT id, CAST(julianday(substr(at, 1, 10)) - julianday('%1') AS INTEGER),"
                   " kind, seconds, wrong FROM solved WHERE id > ? ORDER BY id")
        .arg(dateOfDayNumber(0).toString(Qt::ISODate));
const QString kSelectStored =
    QStringLiteral("SELECT at, kind, seconds, wrong FROM solved ORDER BY id");
const QString kInsert =
    QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong) VALUES (?, ?, ?, ?)");

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
    // One solve has a sentence of its own, so that English keeps its "1
    // solve ... waits"; the other counts take the language's plural forms.
    const int waiting = waitingCount();
    if (waiting > 0 && hasGivenUp())
        sentences << (waiting == 1
                          ? Texts::tr(
                                "1 solve of this run waits for a last try when Vexlor closes.")
                          : Texts::tr("%Ln solves of this run wait for a last try when Vexlor "
                                      "closes.",
                                      nullptr, waiting));
    else if (waiting > 0)
        sentences << (waiting == 1 ? Texts::tr("1 solve of this run waits in memory and will be "
                                               "saved with the next solve or when Vexlor closes.")
                                   : Texts::tr("%Ln solves of this run wait in memory and will be "
                                               "saved with the next solve or when Vexlor closes.",
                                               nullptr, waiting));
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
        bool ok = true;
        for (int step = version; ok && step < kSchemaVersion; ++step)
            ok = q.exec(QLatin1String(kUpgrades[step]));
        ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        if (!ok || !db.commit()) {
            const QSqlError error = ok ? db.lastError() : q.lastError();
            q.finish();
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
    if (insert_->exec())
        return std::nullopt;
    return insert_->lastError();
}

std::vector<SolvedRow> HistoryStore::waitingRows() const {
    std::vector<SolvedRow> rows;
    for (const SolvedCube& c : waiting_)
        rows.push_back({static_cast<int>(dateOfDayNumber(0).daysTo(c.at.date())), c.recipe,
                        c.seconds, c.wrong});
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
    std::vector<SolvedRow> rows;
    readError_.clear();
    std::optional<SqliteConnection> reader;
    const std::optional<QSqlDatabase> db = readingDatabase(reader);
    if (!db)
        return rows;
    QSqlQuery q(*db);
    q.setForwardOnly(true);
    if (!q.prepare(kSelectRows)) {
        readError_ = describeFailure(q.lastError());
        return rows;
    }
    q.addBindValue(after);
    if (!q.exec()) {
        readError_ = describeFailure(q.lastError());
        return rows;
    }
    while (q.next()) {
        SolvedRow& row = rows.emplace_back();
        after = q.value(0).toLongLong();
        row.day = q.value(1).toInt();
        row.recipe = q.value(2).toInt();
        const QVariant seconds = q.value(3);
        row.seconds = seconds.isNull() ? std::nan("") : seconds.toDouble();
        row.wrong = q.value(4).toInt();
    }
    if (q.lastError().isValid())
        readError_ = describeFailure(q.lastError());
    return rows;
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
    if (!q.exec(kSelectStored)) {
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
        visit(row);
    }
    if (q.lastError().isValid()) {
        readError_ = describeFailure(q.lastError());
        return false;
    }
    return true;
}

} // namespace vexlor
