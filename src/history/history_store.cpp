#include "history_store.h"

#include "review_table.h"
#include "series/cube_record.h"
#include "session/statistics.h"
#include "solve_journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>
#include <QVariant>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>

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

// A local time as the rows keep it.
const QString kLocalTimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

// The values of a solve's row, as the store writes them and the journal
// keeps them.
SolveColumns columnsOf(const SolvedCube& cube) {
    return {cube.at.toString(kLocalTimeFormat), cube.recipe,
            // Milliseconds are more than the clock can tell apart.
            std::isfinite(cube.seconds) ? QVariant(std::round(cube.seconds * 1000.0) / 1000.0)
                                        : QVariant(QMetaType::fromType<double>()),
            cube.wrong, dayNumber(cube.at.date()), cube.at.offsetFromUtc(),
            cube.exam != 0 ? QVariant(cube.exam) : QVariant(QMetaType::fromType<qint64>())};
}

// The values of an exam's row, as the store writes them and the journal
// keeps them.
ExamColumns columnsOf(const ExamRecord& exam) {
    return {exam.id,
            exam.at.toString(kLocalTimeFormat),
            exam.at.offsetFromUtc(),
            exam.cubes,
            exam.right,
            exam.answered,
            exam.limitSeconds > 0 ? QVariant(exam.limitSeconds)
                                  : QVariant(QMetaType::fromType<qint64>()),
            std::round(exam.seconds * 1000.0) / 1000.0,
            exam.name};
}

// Why no history can be opened at path, for the user; empty when nothing
// stands in the way. SQLite would open a FIFO and wait there for a writer,
// and can make nothing of a folder or a device.
QString whyNoFile(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ELOOP ? QStringLiteral("its symbolic links form a loop") : QString();
    return S_ISREG(info.st_mode) ? QString() : QStringLiteral("it is not a regular file");
}

QString selectStored(int version) {
    return QStringLiteral("SELECT at, kind, seconds, wrong, %1, %2 FROM solved ORDER BY id")
        .arg(version >= kTalliesVersion ? QStringLiteral("utc_offset") : QStringLiteral("NULL"),
             version >= kExamsVersion ? QStringLiteral("exam") : QStringLiteral("NULL"));
}

} // namespace

SolvedCube solvedCubeOf(const Cube& c, const Clock& clock) {
    int wrong = 0;
    for (int a = 0; a < kAnswers; ++a)
        if (a != c.correctAnswer && c.picked[a] != 0)
            ++wrong;
    return {localDateTime(clock.now()), c.recipe, cubeTime(c, clock) * 86'400.0, wrong};
}

ReviewMark reviewMarkOf(const Cube& c, const SolvedCube& solved, double targetSeconds) {
    const CubeRecord record = encodeCube(c, true);
    return {
        QByteArray(reinterpret_cast<const char*>(record.data()),
                   static_cast<qsizetype>(record.size())),
        // Judged as the row keeps the time, to the millisecond: the
        // clock's rounding never makes 60 s slower than twice 30 s.
        reviewOutcome(solved.wrong, std::round(solved.seconds * 1000.0) / 1000.0, targetSeconds)};
}

HistoryStore::HistoryStore(const QString& path, Mode mode, Start start)
    : path_(path), mode_(mode), later_(mode == Mode::ReadWrite && start == Start::Later) {
    if (later_)
        state_ = State::Opening;
    else
        open();
}

HistoryStore::~HistoryStore() {
    // A rescue stops between two of its rows; the next start does it again.
    control_.progress.stop = true;
    settleOpening();
    if ((!waiting_.empty() || !waitingExams_.empty()) && !writeWaiting(Attempt::Exit))
        keepWaitingInJournal();
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
        if (salvage_ && (salvage_->saved != 0 || salvage_->lost != 0))
            sentences << Texts::tr("Solves copied into the new history: %L1; solves that could "
                                   "not be read: %2.")
                             .arg(salvage_->saved)
                             .arg(salvage_->lost ? QLocale().toString(*salvage_->lost)
                                                 : Texts::tr("an unknown number"));
    }

    if (const std::optional<int> percent = rescuePercent())
        sentences << Texts::tr("The history file %1 is damaged. What can still be read from it is "
                               "being copied into a new history (%2 % done); your solves wait "
                               "until then.")
                         .arg(file)
                         .arg(*percent);

    QString why;
    switch (state_) {
    case State::Recording:
    case State::Opening:
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
    if (mode_ == Mode::ReadOnly)
        return openToRead();
    if (later_) {
        startOpening();
        return false;
    }
    if (!mayOpenForWriting())
        return false;
    takeOutcome(openForWriting(path_, control_));
    return insert_.has_value();
}

bool HistoryStore::mayOpenForWriting() {
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        state_ = State::NoDriver;
        return false;
    }
    if (const QString why = whyNoFile(path_); !why.isEmpty()) {
        state_ = State::CannotOpen;
        detail_ = why;
        return false;
    }
    const QFileInfo file(path_);
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
    return true;
}

bool HistoryStore::openToRead() {
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        state_ = State::NoDriver;
        return false;
    }
    state_ = State::CannotOpen;
    if (const QString why = whyNoFile(path_); !why.isEmpty()) {
        detail_ = why;
        return false;
    }
    if (!QFileInfo::exists(path_)) {
        detail_ = QStringLiteral("there is no such file");
        return false;
    }
    connection_.emplace(path_, SqliteConnection::Access::ReadOnly, kBusyTimeoutMs);
    std::optional<QSqlError> error;
    bool damaged = false;
    if (!connection_->open()) {
        error = connection_->error();
    } else {
        QSqlQuery check(connection_->database());
        if (!check.exec(QStringLiteral("PRAGMA quick_check")))
            error = check.lastError();
        else
            damaged = !check.next() || check.value(0).toString() != QLatin1String("ok");
    }
    if (!error && !damaged) {
        intact_ = true;
        state_ = State::ReadOnly;
        return true;
    }
    detail_ = damaged || faultOf(*error) == SqliteFault::Damaged
                  ? QStringLiteral("it is damaged or not a Vexlor history")
                  : describeFailure(*error);
    closeConnection();
    return false;
}

void HistoryStore::startOpening() {
    if (!later_ || isOpening() || insert_)
        return;
    closeConnection();
    if (!mayOpenForWriting())
        return;
    state_ = State::Opening;
    workerDone_ = false;
    worker_ = std::thread([this] {
        outcome_ = openForWriting(path_, control_);
        workerDone_ = true;
    });
}

bool HistoryStore::finishOpening() {
    if (!worker_.joinable())
        return true;
    if (!workerDone_)
        return false;
    worker_.join();
    takeOutcome(outcome_);
    // The solves made while it ran.
    if (insert_)
        writeWaiting(Attempt::Solve);
    return true;
}

void HistoryStore::waitForOpening() {
    while (!finishOpening())
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

void HistoryStore::settleOpening() {
    while (!finishOpening()) {
        if (control_.progress.percent >= 0) {
            control_.progress.stop = true;
            rescueStopped_ = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::optional<int> HistoryStore::rescuePercent() const {
    const int percent = control_.progress.percent;
    return isOpening() && percent >= 0 ? std::optional(percent) : std::nullopt;
}

void HistoryStore::setRescueStepCheck(std::function<bool(RescueStep)> goOnAfter) {
    control_.goOnAfter = std::move(goOnAfter);
}

void HistoryStore::takeOutcome(const OpeningOutcome& outcome) {
    control_.damageFound = false;
    if (outcome.setAside) {
        setAsidePath_ = outcome.setAsidePath;
        setAsideReason_ = *outcome.setAside;
        salvage_ = outcome.salvage;
        ++generation_;
    }
    if (outcome.state != State::Recording) {
        state_ = outcome.state;
        detail_ = outcome.detail;
        return;
    }
    // Checked and made ready by the opening: what is left is the
    // connection of this thread.
    connection_.emplace(path_, SqliteConnection::Access::ReadWrite, kBusyTimeoutMs);
    std::optional<QSqlError> error;
    if (!connection_->open()) {
        error = connection_->error();
    } else {
        // Every commit reaches the disk before the pick returns; see
        // prepareSchema.
        QSqlQuery q(connection_->database());
        if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
            error = q.lastError();
        } else {
            insert_.emplace(connection_->database());
            if (!insert_->prepare(kInsertSolve))
                error = insert_->lastError();
        }
    }
    if (error) {
        closeConnection();
        takeFailure(*error);
        return;
    }
    intact_ = true;
    state_ = State::Recording;
}

void HistoryStore::closeConnection() {
    insert_.reset();
    intact_ = false;
    connection_.reset();
}

void HistoryStore::takeFailure(const QSqlError& error) {
    detail_ = describeFailure(error);
    state_ = stateAfter(error);
}

bool HistoryStore::record(const SolvedCube& cube, const std::optional<ReviewMark>& review) {
    if (mode_ == Mode::ReadOnly)
        return false;
    waiting_.push_back({cube, review});
    return writeWaiting(Attempt::Solve);
}

bool HistoryStore::recordExam(const ExamRecord& exam, std::vector<SolvedCube> rows) {
    if (mode_ == Mode::ReadOnly)
        return false;
    waitingExams_.push_back(exam);
    for (SolvedCube& row : rows) {
        row.exam = exam.id;
        waiting_.push_back({std::move(row), std::nullopt});
    }
    return writeWaiting(Attempt::Solve);
}

bool HistoryStore::writeWaitingRows() {
    // A check still running is waited for; a rescue stops, and the next
    // start does it again.
    settleOpening();
    return writeWaiting(Attempt::Close) || keepWaitingInJournal();
}

bool HistoryStore::writeWaiting(Attempt attempt) {
    if (waiting_.empty() && waitingExams_.empty())
        return true;
    if (mode_ == Mode::ReadOnly || isOpening() || (hasGivenUp() && attempt == Attempt::Solve))
        return false;
    // The close's try opens the file afresh: what stopped the writing may
    // have been mended meanwhile. A store that opens on a thread of its own
    // does that with the next solve; at the close, what waits goes into the
    // journal rather than hold the window up, and so does what waits on a
    // rescue that was stopped.
    if (hasGivenUp())
        closeConnection();
    if (!insert_ && ((later_ && attempt != Attempt::Solve) || rescueStopped_ || !open()))
        return false;
    if (attempt == Attempt::Exit)
        (void)QSqlQuery(connection_->database())
            .exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(kLastTryTimeoutMs));
    for (bool again = true;; again = false) {
        const std::optional<QSqlError> error = insertWaiting();
        if (!error) {
            waiting_.clear();
            waitingExams_.clear();
            state_ = State::Recording;
            return true;
        }
        // The rows go into a new file, after what can be saved of this one,
        // whatever the check finds: the write met the damage.
        if (faultOf(*error) == SqliteFault::Damaged && again) {
            closeConnection();
            control_.damageFound = true;
            if (open())
                continue;
            return false;
        }
        takeFailure(*error);
        if (hasGivenUp())
            closeConnection();
        return false;
    }
}

bool HistoryStore::keepWaitingInJournal() {
    if (mode_ == Mode::ReadOnly || (waiting_.empty() && waitingExams_.empty()))
        return waiting_.empty() && waitingExams_.empty();
    JournalEntries entries;
    for (const ExamRecord& exam : waitingExams_)
        entries.exams.push_back(columnsOf(exam));
    for (const WaitingSolve& waiting : waiting_)
        entries.solves.push_back({columnsOf(waiting.solve),
                                  waiting.review ? waiting.review->cube : QByteArray(),
                                  waiting.review ? static_cast<int>(waiting.review->outcome) : 0});
    if (!keepInJournal(path_, entries))
        return false;
    waiting_.clear();
    waitingExams_.clear();
    return true;
}

std::optional<QSqlError> HistoryStore::insertWaiting() {
    // The usual solve: one row, one synced INSERT of its own; with its
    // review, or an exam, all in one transaction.
    if (waiting_.size() == 1 && !waiting_.front().review && waitingExams_.empty())
        return insertRow(waiting_.front());
    QSqlDatabase db = connection_->database();
    if (!db.transaction())
        return db.lastError();
    for (const ExamRecord& exam : waitingExams_)
        if (std::optional<QSqlError> error = insertExam(exam)) {
            db.rollback();
            return error;
        }
    for (const WaitingSolve& waiting : waiting_)
        if (std::optional<QSqlError> error = insertRow(waiting)) {
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

std::optional<QSqlError> HistoryStore::insertRow(const WaitingSolve& waiting) {
    const SolveColumns columns = columnsOf(waiting.solve);
    for (std::size_t i = 0; i < columns.size(); ++i)
        insert_->bindValue(static_cast<int>(i), columns[i]);
    if (!insert_->exec())
        return insert_->lastError();
    if (!waiting.review)
        return std::nullopt;
    return keepForReview(connection_->database(), waiting.review->cube, waiting.review->outcome,
                         columns[4].toInt(), columns[0].toString());
}

std::optional<QSqlError> HistoryStore::insertExam(const ExamRecord& exam) {
    QSqlQuery q(connection_->database());
    if (!q.prepare(kInsertExam))
        return q.lastError();
    const ExamColumns columns = columnsOf(exam);
    for (std::size_t i = 0; i < columns.size(); ++i)
        q.bindValue(static_cast<int>(i), columns[i]);
    if (q.exec())
        return std::nullopt;
    return q.lastError();
}

std::vector<ExamRecord> HistoryStore::readExams() {
    readError_.clear();
    std::vector<ExamRecord> exams;
    if (mode_ == Mode::ReadOnly && !intact_) {
        readError_ = detail_;
        return exams;
    }
    std::optional<SqliteConnection> reader;
    const std::optional<QSqlDatabase> db = readingDatabase(reader);
    if (db && fileVersion(*db) >= kExamsVersion) {
        QSqlQuery q(*db);
        q.setForwardOnly(true);
        if (q.exec(QStringLiteral("SELECT id, at, utc_offset, cubes, right_answers, answered,"
                                  " limit_seconds, seconds, name FROM exams ORDER BY id")))
            while (q.next()) {
                // Its local time, with the offset from UTC it had then.
                QDateTime at = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
                if (!q.value(2).isNull())
                    at.setOffsetFromUtc(q.value(2).toInt());
                exams.push_back({q.value(0).toLongLong(), at, q.value(3).toInt(),
                                 q.value(4).toInt(), q.value(5).toInt(), q.value(6).toInt(),
                                 q.value(7).toDouble(), q.value(8).toString()});
            }
        if (q.lastError().isValid()) {
            readError_ = describeFailure(q.lastError());
            return {};
        }
    }
    if (!readError_.isEmpty())
        return {};
    exams.insert(exams.end(), waitingExams_.begin(), waitingExams_.end());
    return exams;
}

std::vector<SolvedRow> HistoryStore::waitingRows() const {
    std::vector<SolvedRow> rows;
    for (const auto& [c, review] : waiting_)
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

bool HistoryStore::readReviewOn(QDate day, ReviewCounts& counts, std::vector<Cube>* due) {
    readError_.clear();
    if (mode_ == Mode::ReadOnly && !intact_) {
        readError_ = detail_;
        return false;
    }
    std::optional<SqliteConnection> reader;
    if (const std::optional<QSqlDatabase> db = readingDatabase(reader))
        if (const std::optional<QSqlError> error = readReview(*db, dayNumber(day), counts, due)) {
            readError_ = describeFailure(*error);
            return false;
        }
    return true;
}

std::vector<Cube> HistoryStore::cubesDueForReview(QDate day) {
    ReviewCounts counts;
    std::vector<Cube> due;
    return readReviewOn(day, counts, &due) ? due : std::vector<Cube>{};
}

ReviewCounts HistoryStore::readReviewCounts(QDate day) {
    ReviewCounts counts;
    return readReviewOn(day, counts, nullptr) ? counts : ReviewCounts{};
}

std::vector<SolvedRow> HistoryStore::readRecipeSpan(int recipe, int first, int last) {
    std::vector<SolvedRow> rows;
    std::optional<SqliteConnection> reader;
    if (const std::optional<QSqlDatabase> db = readingDatabase(reader)) {
        QSqlQuery q(*db);
        q.setForwardOnly(true);
        const QString day = dayOf(fileVersion(*db));
        if (q.prepare(QStringLiteral("SELECT %1, %2, wrong FROM solved WHERE kind = ? AND %1 "
                                     "BETWEEN ? AND ? ORDER BY id")
                          .arg(day, kKnownTime))) {
            q.addBindValue(recipe);
            q.addBindValue(first);
            q.addBindValue(last);
            if (q.exec())
                while (q.next()) {
                    const QVariant seconds = q.value(1);
                    rows.push_back({q.value(0).toInt(), recipe,
                                    seconds.isNull() ? std::nan("") : seconds.toDouble(),
                                    q.value(2).toInt()});
                }
        }
        if (q.lastError().isValid()) {
            readError_ = describeFailure(q.lastError());
            rows.clear();
        }
    }
    for (const SolvedRow& row : waitingRows())
        if (row.recipe == recipe && row.day >= first && row.day <= last)
            rows.push_back(row);
    return rows;
}

TargetCount HistoryStore::readTargetCount(int first, int last, double target) {
    TargetCount count;
    std::optional<SqliteConnection> reader;
    if (const std::optional<QSqlDatabase> db = readingDatabase(reader)) {
        QSqlQuery q(*db);
        q.setForwardOnly(true);
        if (q.prepare(QStringLiteral("SELECT count(*), total(seconds <= ?) FROM solved WHERE %1 "
                                     "BETWEEN ? AND ? AND %2")
                          .arg(dayOf(fileVersion(*db)), kKnownCondition))) {
            q.addBindValue(target);
            q.addBindValue(first);
            q.addBindValue(last);
            if (q.exec() && q.next())
                count = {q.value(0).toInt(), static_cast<int>(q.value(1).toDouble())};
        }
        if (q.lastError().isValid()) {
            readError_ = describeFailure(q.lastError());
            count = {};
        }
    }
    for (const SolvedRow& row : waitingRows())
        if (row.day >= first && row.day <= last && std::isfinite(row.seconds) && row.seconds >= 0) {
            ++count.timed;
            count.within += row.seconds <= target ? 1 : 0;
        }
    return count;
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
        const QVariant exam = q.value(5);
        row.exam = exam.isNull() ? std::nullopt : std::optional(exam.toLongLong());
        visit(row);
    }
    if (q.lastError().isValid()) {
        readError_ = describeFailure(q.lastError());
        return false;
    }
    return true;
}

} // namespace vexlor
