#include "history_opening.h"

#include "history_schema.h"
#include "solve_journal.h"
#include "sqlite_connection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSqlQuery>
#include <QVariant>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vexlor {

namespace {

// Off the window's thread a check may wait longer for another Vexlor's
// lock than a pick can.
constexpr int kBusyTimeoutMs = 1000;

// How a rescue's progress is shared out: reading the damaged file, adding
// its rows to the new one, and deriving the day numbers, indexes and
// tallies from them, which takes the longest.
constexpr int kReadPercent = 25;
constexpr int kAddedPercent = 45;

// The files SQLite keeps beside a database while it is in use.
constexpr const char* kSideFiles[] = {"-wal", "-shm", "-journal"};

// Beside the history: the note naming the file a damaged history is set
// aside as, there while its rescue is unfinished; the lock of the Vexlor
// that rescues it; and the file a rescue or a first start builds before it
// takes the history's place.
QString notePath(const QString& path) {
    return path + QStringLiteral("-rescue");
}
QString lockPath(const QString& path) {
    return path + QStringLiteral("-rescue.lock");
}
QString buildPath(const QString& path) {
    return path + QStringLiteral("-new");
}

// A free name beside path that says why the file was set aside and when:
// history.damaged-2025-03-01-102233.sqlite.
QString setAsideName(const QString& path, SetAsideReason reason) {
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(
        info.completeBaseName() +
        (reason == SetAsideReason::Damaged ? QStringLiteral(".damaged-")
                                           : QStringLiteral(".foreign-")) +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stem + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

bool syncToDisk(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// A rename lives in its folder: until the folder reaches the disk, a power
// cut can bring the old names back.
void syncFolder(const QString& path) {
    (void)syncToDisk(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
}

// Renames from to to, unless to exists: a history another Vexlor started
// meanwhile is never replaced.
bool renameWithoutReplacing(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    // A file system that cannot promise it is looked at just before.
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return !QFileInfo::exists(to) && ::rename(source.constData(), target.constData()) == 0;
}

void removeWithSideFiles(const QString& path) {
    for (const char* side : kSideFiles)
        QFile::remove(path + QLatin1String(side));
    QFile::remove(path);
}

class Opener {
public:
    Opener(const QString& path, OpeningControl& control)
        : path_(path), control_(control), lock_(lockPath(path)) {
        // Only a lock whose process is gone is stale: a rescue may take
        // longer than Qt's default half minute.
        lock_.setStaleLockTime(0);
    }

    OpeningOutcome run() {
        if (!finishUnfinishedRescue())
            return outcome_;
        // At most one file is set aside: the fresh one that takes its place
        // is neither damaged nor another program's.
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!QFileInfo::exists(path_) && !startAfresh())
                return outcome_;
            Check checked = check();
            if (checked == Check::Intact && attempt == 0 && control_.damageFound) {
                connection_.reset();
                checked = Check::Damaged;
            }
            if (checked == Check::Failed)
                return outcome_;
            if (checked == Check::Damaged) {
                if (attempt > 0 || !rescue())
                    break;
                continue;
            }
            const std::optional<SchemaProblem> problem = prepareSchema(connection_->database());
            if (!problem) {
                addJournaledSolves(path_, connection_->database());
                connection_.reset();
                outcome_.state = HistoryState::Recording;
                return outcome_;
            }
            connection_.reset();
            if (problem->kind == SchemaProblem::Kind::NoHistory) {
                failed(HistoryState::Unusable, QStringLiteral("it has no table of solved Cubes"));
                return outcome_;
            }
            if (problem->kind == SchemaProblem::Kind::Failed) {
                failedWith(problem->error);
                return outcome_;
            }
            if (attempt > 0 || !setAsideForeign())
                break;
        }
        if (outcome_.state == HistoryState::Recording)
            failed(HistoryState::Unusable,
                   QStringLiteral("a new history cannot be started in its place"));
        return outcome_;
    }

private:
    enum class Check { Intact, Damaged, Failed };

    // Opens the file and checks it. Intact leaves the connection open.
    Check check() {
        connection_.emplace(path_, SqliteConnection::Access::ReadWrite, kBusyTimeoutMs);
        std::optional<QSqlError> error;
        bool intact = false;
        if (!connection_->open()) {
            error = connection_->error();
        } else {
            QSqlQuery q(connection_->database());
            if (!q.exec(QStringLiteral("PRAGMA quick_check")))
                error = q.lastError();
            else
                intact = q.next() && q.value(0).toString() == QLatin1String("ok");
        }
        if (intact)
            return Check::Intact;
        connection_.reset();
        if (error && faultOf(*error) != SqliteFault::Damaged) {
            failedWith(*error);
            return Check::Failed;
        }
        return Check::Damaged;
    }

    // A first start builds the empty history beside its place and puts it
    // there whole: a disk too small for it leaves nothing behind. A history
    // that is a symbolic link to a file still to be made is made there.
    bool startAfresh() {
        const QFileInfo place(path_);
        const QString target = place.isSymLink() ? place.symLinkTarget() : path_;
        if (!build({}, buildPath(target)))
            return false;
        if (renameWithoutReplacing(buildPath(target), target)) {
            syncFolder(target);
            return true;
        }
        const int error = errno;
        removeWithSideFiles(buildPath(target));
        // Another Vexlor started it meanwhile: that one is used.
        if (QFileInfo::exists(path_))
            return true;
        failed(HistoryState::CannotOpen, QString::fromLocal8Bit(std::strerror(error)));
        return false;
    }

    bool rescue() {
        // The store goes: the next start rescues the file.
        if (control_.progress.stop)
            return stopped();
        if (!takeLock())
            return false;
        // Another Vexlor may have rescued the file between the check and
        // the lock, or left its rescue unfinished.
        if (QFileInfo::exists(notePath(path_)))
            return finishUnfinishedRescue();
        if (const Check again = control_.damageFound ? Check::Damaged : check();
            again != Check::Damaged) {
            connection_.reset();
            return again == Check::Intact;
        }
        const QString target = setAsideName(path_, SetAsideReason::Damaged);
        QSaveFile note(notePath(path_));
        if (!note.open(QIODevice::WriteOnly) ||
            note.write(QFile::encodeName(QFileInfo(target).fileName()) + '\n') < 0 ||
            !note.commit())
            return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        syncFolder(path_);
        if (!goOnAfter(RescueStep::NoteWritten))
            return false;
        // The file first: whatever is left beside its old name then is its
        // own, and follows it at the next start if not now.
        if (!QFile::rename(path_, target)) {
            QFile::remove(notePath(path_));
            return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        }
        if (!moveSideFiles(target))
            return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        syncFolder(path_);
        if (!goOnAfter(RescueStep::SetAside))
            return false;
        return rescueInto(target);
    }

    // Goes on from where a rescue that a kill stopped left the files.
    bool finishUnfinishedRescue() {
        const QString note = notePath(path_);
        if (!QFileInfo::exists(note))
            return true;
        if (!takeLock())
            return false;
        QString damaged;
        if (QFile file(note); QFileInfo(note).isFile() && file.open(QIODevice::ReadOnly)) {
            const QString name = QFile::decodeName(file.read(4096).trimmed());
            if (!name.isEmpty() && !name.contains(QLatin1Char('/')))
                damaged = QFileInfo(path_).dir().filePath(name);
        }
        // An empty file at the history's place is another program's look at
        // a name it found free; the rescue takes its place.
        if (!damaged.isEmpty() && QFileInfo::exists(damaged) && QFileInfo(path_).isFile() &&
            QFileInfo(path_).size() == 0)
            removeWithSideFiles(path_);
        if (damaged.isEmpty() || !QFileInfo::exists(damaged) || QFileInfo::exists(path_)) {
            // The damaged file never left its place, or the rescued file took
            // it before the note went.
            if (!damaged.isEmpty() && QFileInfo::exists(damaged) && QFileInfo::exists(path_)) {
                outcome_.setAside = SetAsideReason::Damaged;
                outcome_.setAsidePath = damaged;
            }
            QFile::remove(note);
            return true;
        }
        if (!moveSideFiles(damaged))
            return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        return rescueInto(damaged);
    }

    bool moveSideFiles(const QString& target) {
        for (const char* side : kSideFiles) {
            const QString from = path_ + QLatin1String(side);
            if (QFileInfo::exists(from) && !QFileInfo::exists(target + QLatin1String(side)) &&
                !QFile::rename(from, target + QLatin1String(side)))
                return false;
        }
        return true;
    }

    // Copies what can be read of the damaged file into a new history and
    // puts that in the history's place.
    bool rescueInto(const QString& damaged) {
        RescueProgress& progress = control_.progress;
        progress.percent = 0;
        std::vector<PageRow> rows;
        Salvage salvage = readSalvageable(damaged, rows, progress, kReadPercent);
        if (progress.stop)
            return stopped();
        // What fails from here keeps the note: the next start tries again.
        if (!build(rows, buildPath(path_)) || !goOnAfter(RescueStep::Copied))
            return false;
        if (!renameWithoutReplacing(buildPath(path_), path_)) {
            removeWithSideFiles(buildPath(path_));
            return failed(HistoryState::Unusable,
                          QStringLiteral("a new history cannot be started in its place"));
        }
        syncFolder(path_);
        if (!goOnAfter(RescueStep::InPlace))
            return false;
        QFile::remove(notePath(path_));
        salvage.saved = static_cast<int>(rows.size());
        outcome_.setAside = SetAsideReason::Damaged;
        outcome_.setAsidePath = damaged;
        outcome_.salvage = salvage;
        progress.percent = 100;
        return true;
    }

    // Builds a whole history holding rows as file, beside the history's
    // place, and syncs it to the disk; a failure leaves nothing of it.
    bool build(const std::vector<PageRow>& rows, const QString& file) {
        // What a killed run left there is of no use.
        removeWithSideFiles(file);
        RescueProgress& progress = control_.progress;
        std::optional<QSqlError> error;
        {
            SqliteConnection connection(file, SqliteConnection::Access::ReadWrite, 0);
            if (connection.open()) {
                QSqlDatabase db = connection.database();
                // The file is synced once, whole, before it is put in place.
                (void)QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
                if (!db.transaction()) {
                    error = db.lastError();
                } else {
                    const auto fill = [&]() -> std::optional<QSqlError> {
                        return rows.empty() ? std::nullopt
                                            : insertSalvaged(db, rows, progress, kAddedPercent);
                    };
                    // Only a rescue stops: a first start is over in a moment.
                    const auto derived = [&](int done, int total) {
                        if (progress.percent < 0)
                            return true;
                        progress.percent = kAddedPercent + (100 - kAddedPercent) * done / total;
                        return !progress.stop;
                    };
                    error = buildSchema(db, fill, derived);
                    if (!error && !db.commit())
                        error = db.lastError();
                    if (error)
                        db.rollback();
                }
            } else {
                error = connection.error();
            }
        }
        if (!error && (!nothingPendingBeside(file) || !syncToDisk(file, O_RDONLY)))
            error = QSqlError(QString(), QStringLiteral("the new history cannot be synced"),
                              QSqlError::UnknownError);
        if (!error)
            return true;
        removeWithSideFiles(file);
        if (progress.stop && progress.percent >= 0)
            return stopped();
        failedWith(*error);
        return false;
    }

    bool setAsideForeign() {
        const QString target = setAsideName(path_, SetAsideReason::Foreign);
        // The side files go first: a journal left beside the fresh file
        // would be taken for its own.
        for (const char* side : kSideFiles) {
            const QString from = path_ + QLatin1String(side);
            if (QFileInfo::exists(from) && !QFile::rename(from, target + QLatin1String(side)))
                return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        }
        if (!QFile::rename(path_, target))
            return failed(HistoryState::Unusable, QStringLiteral("it cannot be set aside"));
        outcome_.setAside = SetAsideReason::Foreign;
        outcome_.setAsidePath = target;
        return true;
    }

    bool takeLock() {
        if (lock_.isLocked() || lock_.tryLock(0))
            return true;
        if (lock_.error() == QLockFile::LockFailedError)
            return failed(HistoryState::Locked, QStringLiteral("another Vexlor rescues it"));
        return failed(HistoryState::CannotOpen, QStringLiteral("its rescue cannot be locked"));
    }

    bool goOnAfter(RescueStep step) {
        if (control_.progress.stop || (control_.goOnAfter && !control_.goOnAfter(step)))
            return stopped();
        return true;
    }

    bool stopped() {
        return failed(HistoryState::Failed, QStringLiteral("the rescue stopped before it ended"));
    }

    bool failed(HistoryState state, const QString& detail) {
        outcome_.state = state;
        outcome_.detail = detail;
        return false;
    }

    bool failedWith(const QSqlError& error) {
        return failed(stateAfter(error), describeFailure(error));
    }

    QString path_;
    OpeningControl& control_;
    QLockFile lock_;
    std::optional<SqliteConnection> connection_;
    OpeningOutcome outcome_;
};

} // namespace

HistoryState stateAfter(const QSqlError& error) {
    switch (faultOf(error)) {
    case SqliteFault::Busy:
        return HistoryState::Locked;
    case SqliteFault::Full:
        return HistoryState::Full;
    case SqliteFault::ReadOnly:
        return HistoryState::ReadOnly;
    case SqliteFault::CannotOpen:
        return HistoryState::CannotOpen;
    case SqliteFault::Damaged:
    case SqliteFault::Unusable:
        return HistoryState::Unusable;
    case SqliteFault::Other:
        break;
    }
    return HistoryState::Failed;
}

OpeningOutcome openForWriting(const QString& path, OpeningControl& control) {
    OpeningOutcome outcome = Opener(path, control).run();
    control.progress.percent = -1;
    return outcome;
}

} // namespace vexlor
