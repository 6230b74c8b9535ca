#include "history_salvage.h"

#include "qt_calendar.h"
#include "sqlite_connection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

namespace vexlor {

namespace {

// Nobody else has a file open that was set aside a moment ago: there is
// no lock to wait for.
constexpr int kBusyTimeoutMs = 0;

// The columns of a row as stored, so that the copy keeps them as they were.
// Its day is worked out afresh from at; the offset from UTC is none where
// the damaged file never kept it.
struct StoredValues {
    QVariant at, kind, seconds, wrong, utcOffset;
};

// True when the table solved of db has the column.
bool hasColumn(const QSqlDatabase& db, const QString& column) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA table_info(solved)")))
        return false;
    while (q.next())
        if (q.value(1).toString() == column)
            return true;
    return false;
}

// The table solved of a damaged file: reads that stop where the damage is,
// and the search for where reading works again.
class DamagedTable {
public:
    explicit DamagedTable(const QSqlDatabase& db)
        : db_(db),
          utcOffset_(hasColumn(db, QStringLiteral("utc_offset")) ? QStringLiteral("utc_offset")
                                                                 : QStringLiteral("NULL")) {}

    // Reads the rows from the id next on, oldest first, moving next past
    // each row read. True at the end of the table, false where a read
    // failed. A broken cell can read without an error as values no row
    // holds (a time of garbage, a kind in text): such a row is damaged too
    // and counts in unusable.
    bool readFrom(qint64& next, std::vector<StoredValues>& rows, int& unusable) const {
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        if (!q.prepare(
                QStringLiteral(
                    "SELECT id, at, kind, seconds, wrong, %1,"
                    " at GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]T[0-9][0-9]:[0-9][0-9]*'"
                    " AND typeof(kind) = 'integer' AND typeof(wrong) = 'integer' AND wrong >= 0"
                    " AND (seconds IS NULL OR (typeof(seconds) IN ('real', 'integer')"
                    "  AND seconds >= 0))"
                    " AND (%1 IS NULL OR typeof(%1) = 'integer')"
                    " FROM solved WHERE id >= ? ORDER BY id")
                    .arg(utcOffset_)))
            return false;
        q.addBindValue(next);
        if (!q.exec())
            return false;
        while (q.next()) {
            next = q.value(0).toLongLong() + 1;
            if (q.value(6).toBool())
                rows.push_back({q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)});
            else
                ++unusable;
        }
        return !q.lastError().isValid();
    }

    // The least id after failing from which a read gets going; none when
    // none is found. A read from an id seeks down to the page that holds
    // it, so from inside a broken page every read fails and from the first
    // id after it every read works: the search gallops out of the broken
    // part and then halves its way back to that first id.
    std::optional<qint64> firstReadableAfter(qint64 failing) const {
        std::optional<qint64> working;
        for (qint64 step = 1; step > 0 && failing <= std::numeric_limits<qint64>::max() - step;
             step *= 2) {
            if (readable(failing + step)) {
                working = failing + step;
                break;
            }
            failing += step;
        }
        if (!working)
            return std::nullopt;
        while (*working - failing > 1) {
            const qint64 middle = failing + (*working - failing) / 2;
            if (readable(middle))
                working = middle;
            else
                failing = middle;
        }
        return working;
    }

private:
    bool readable(qint64 from) const {
        QSqlQuery q(db_);
        q.setForwardOnly(true);
        if (!q.prepare(QStringLiteral("SELECT id FROM solved WHERE id >= ? ORDER BY id LIMIT 1")))
            return false;
        q.addBindValue(from);
        if (!q.exec())
            return false;
        (void)q.next();
        return !q.lastError().isValid();
    }

    QSqlDatabase db_;
    QString utcOffset_; // the column, or NULL in a file that has none
};

} // namespace

Salvage salvageRows(const QString& damagedPath, const QSqlDatabase& destination) {
    Salvage result;
    std::vector<StoredValues> rows;
    {
        SqliteConnection source(damagedPath, SqliteConnection::Access::ReadOnly, kBusyTimeoutMs);
        if (!source.open()) {
            result.lost.reset();
            return result;
        }
        // Checks each cell against its page as it is read, so that more of
        // the damage fails the read rather than coming back as values.
        (void)QSqlQuery(source.database()).exec(QStringLiteral("PRAGMA cell_size_check = ON"));
        const DamagedTable table(source.database());
        // Ids count from 1, one for each row written; a gap in them is what
        // a broken page took.
        qint64 next = 1;
        qint64 skipped = 0;
        int unusable = 0;
        while (!table.readFrom(next, rows, unusable)) {
            const std::optional<qint64> resume = table.firstReadableAfter(next);
            if (!resume) {
                result.lost.reset();
                break;
            }
            skipped += *resume - next;
            next = *resume;
        }
        if (result.lost)
            result.lost = static_cast<int>(std::min<qint64>(skipped + unusable, INT_MAX));
    }
    if (rows.empty())
        return result;

    QSqlDatabase db = destination;
    QSqlQuery insert(db);
    const auto fail = [&](const QSqlError& error) {
        result.failure = describeFailure(error);
        insert.finish();
        db.rollback();
        return result;
    };
    if (!db.transaction())
        return fail(db.lastError());
    if (!insert.prepare(QStringLiteral("INSERT INTO solved (at, kind, seconds, wrong, day,"
                                       " utc_offset) VALUES (?, ?, ?, ?, ?, ?)")))
        return fail(insert.lastError());
    for (const StoredValues& row : rows) {
        insert.bindValue(0, row.at);
        insert.bindValue(1, row.kind);
        insert.bindValue(2, row.seconds);
        insert.bindValue(3, row.wrong);
        const QDate date =
            QDate::fromString(row.at.toString().left(10), QStringLiteral("yyyy-MM-dd"));
        insert.bindValue(4, date.isValid() ? QVariant(dayNumber(date))
                                           : QVariant(QMetaType::fromType<int>()));
        insert.bindValue(5, row.utcOffset);
        if (!insert.exec())
            return fail(insert.lastError());
    }
    if (!db.commit())
        return fail(db.lastError());
    result.saved = static_cast<int>(rows.size());
    return result;
}

} // namespace vexlor
