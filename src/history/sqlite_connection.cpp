#include "sqlite_connection.h"

#include <QFileInfo>
#include <QUrl>
#include <QUuid>

namespace vexlor {

namespace {

// SQLite's primary result codes, as Qt's driver reports them.
enum SqliteCode {
    kError = 1,
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kConstraint = 19,
    kMismatch = 20,
    kNotADatabase = 26,
};

} // namespace

SqliteFault faultOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    // Extended codes carry the primary code in their low byte.
    switch (ok ? code & 0xFF : -1) {
    case kBusy:
    case kLocked:
        return SqliteFault::Busy;
    case kFull:
        return SqliteFault::Full;
    case kReadOnly:
    case kPerm:
        return SqliteFault::ReadOnly;
    case kCorrupt:
    case kNotADatabase:
        return SqliteFault::Damaged;
    case kCantOpen:
        return SqliteFault::CannotOpen;
    case kError:
    case kConstraint:
    case kMismatch:
        return SqliteFault::Unusable;
    default:
        return SqliteFault::Other;
    }
}

QString describeFailure(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

bool nothingPendingBeside(const QString& path) {
    for (const char* side : {"-wal", "-journal"}) {
        const QFileInfo file(path + QLatin1String(side));
        if (file.exists() && file.size() > 0)
            return false;
    }
    return true;
}

SqliteConnection::SqliteConnection(const QString& path, Access access, int busyTimeoutMs)
    : // Qt keeps connections by name for the whole process: each needs a
      // name no other connection, now or later, can have.
      name_(QStringLiteral("vexlor-history-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      path_(path), access_(access), busyTimeoutMs_(busyTimeoutMs) {}

SqliteConnection::~SqliteConnection() {
    if (!QSqlDatabase::contains(name_))
        return;
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

bool SqliteConnection::open() {
    QSqlDatabase db = QSqlDatabase::contains(name_)
                          ? QSqlDatabase::database(name_, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_);
    db.setDatabaseName(path_);
    if (access_ == Access::ReadOnly) {
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        // A read-only connection makes a log and an index beside a file in
        // WAL mode and cannot remove them when it closes; where none are
        // in use the file alone is the whole history, and immutable reads
        // it without them. A writer that starts meanwhile writes its log
        // first and the file only at a checkpoint, so a read this short
        // still sees the file as it was.
        if (nothingPendingBeside(path_)) {
            options += QStringLiteral(";QSQLITE_OPEN_URI");
            db.setDatabaseName(QStringLiteral("file:") +
                               QString::fromLatin1(QUrl::toPercentEncoding(
                                   QFileInfo(path_).absoluteFilePath(), QByteArrayLiteral("/"))) +
                               QStringLiteral("?immutable=1"));
        }
    }
    db.setConnectOptions(options);
    if (db.open())
        return true;
    error_ = db.lastError();
    return false;
}

QSqlDatabase SqliteConnection::database() const {
    return QSqlDatabase::database(name_, false);
}

} // namespace vexlor
