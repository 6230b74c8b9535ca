// A connection of its own to an SQLite file through Qt SQL, and what
// SQLite's failures mean for a history: worth another try, or not.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace vexlor {

// What a failure reported by SQLite means for the file.
enum class SqliteFault {
    Busy,       // another connection holds the lock
    Full,       // the disk is full
    ReadOnly,   // the file or its folder may not be written
    Damaged,    // the file is damaged, or no database at all
    CannotOpen, // the file cannot be opened or made
    Unusable,   // the file cannot take the statement: a table or column is missing
    Other,      // anything else, an I/O error among them
};
SqliteFault faultOf(const QSqlError& error);

// SQLite's own words for a failure where it gave some, else Qt's.
QString describeFailure(const QSqlError& error);

// True when nothing beside the file at path holds changes the file itself
// lacks: no write-ahead log with frames in it, no rollback journal.
bool nothingPendingBeside(const QString& path);

class SqliteConnection {
public:
    enum class Access {
        ReadWrite,
        // Changes nothing and creates nothing beside the file, so that it
        // works in a folder the user may not write and on a full disk.
        ReadOnly,
    };

    SqliteConnection(const QString& path, Access access, int busyTimeoutMs);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // False, with the reason in error(), when the file cannot be opened.
    bool open();
    QSqlDatabase database() const;
    const QSqlError& error() const { return error_; }

private:
    QString name_;
    QString path_;
    Access access_;
    int busyTimeoutMs_;
    QSqlError error_;
};

} // namespace vexlor
