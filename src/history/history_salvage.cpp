#include "history_salvage.h"

#include "sqlite_connection.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <climits>
#include <iterator>
#include <limits>

namespace vexlor {

namespace {

// Nobody else has a file open that was set aside a moment ago: there is
// no lock to wait for.
constexpr int kBusyTimeoutMs = 0;
// Progress is told, and a request to stop heard, once in this many rows.
constexpr std::size_t kRowsBetweenLooks = 4096;

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

    // The highest id there is, where the table's last page reads; else none.
    std::optional<qint64> lastId() const {
        QSqlQuery q(db_);
        if (!q.exec(QStringLiteral("SELECT max(id) FROM solved")) || !q.next() ||
            q.value(0).isNull())
            return std::nullopt;
        return q.value(0).toLongLong();
    }

    // Reads the rows from the id next on, oldest first, moving next past
    // each row read. True at the end of the table, false where a read
    // failed or the reading was told to stop. A broken cell can read without
    // an error as values no row holds (a time of garbage, a kind in text):
    // such a row is damaged too and counts in unusable. look is called now
    // and then with the id reached; it returns false to stop.
    template <typename Look>
    bool readFrom(qint64& next, std::vector<PageRow>& rows, int& unusable, Look look) const {
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
        for (std::size_t n = 1; q.next(); ++n) {
            // A broken tree can lead back to rows read already, for ever.
            const qint64 id = q.value(0).toLongLong();
            if (id < next)
                return false;
            next = id + 1;
            if (q.value(6).toBool()) {
                const QVariant seconds = q.value(3);
                const QVariant offset = q.value(5);
                rows.push_back(
                    {next - 1, q.value(1).toString().toStdString(), q.value(2).toLongLong(),
                     seconds.isNull() ? std::nullopt : std::optional(seconds.toDouble()),
                     q.value(4).toLongLong(),
                     offset.isNull() ? std::nullopt : std::optional(offset.toLongLong())});
            } else {
                ++unusable;
            }
            if (n % kRowsBetweenLooks == 0 && !look(next))
                return false;
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
        // The end of the table reads; a row before from is the tree broken.
        return q.next() ? q.value(0).toLongLong() >= from : !q.lastError().isValid();
    }

    QSqlDatabase db_;
    QString utcOffset_; // the column, or NULL in a file that has none
};

// What SQLite reads of the table: the rows, and whether it could open the
// file and read its rows at all.
struct SqlRead {
    Salvage counts;
    bool readAny = false;
};

SqlRead readThroughSql(const QString& path, std::vector<PageRow>& rows, RescueProgress& progress,
                       int readShare) {
    SqlRead result;
    SqliteConnection source(path, SqliteConnection::Access::ReadOnly, kBusyTimeoutMs);
    if (!source.open()) {
        result.counts.lost.reset();
        return result;
    }
    // Checks each cell against its page as it is read, so that more of the
    // damage fails the read rather than coming back as values.
    (void)QSqlQuery(source.database()).exec(QStringLiteral("PRAGMA cell_size_check = ON"));
    const DamagedTable table(source.database());
    // Ids count from 1, one for each row written; a gap in them is what a
    // broken page took. Where the last id cannot be read, the file's size
    // tells roughly how far the reading has come.
    const double expected = std::max<double>(
        1, table.lastId().value_or(static_cast<qint64>(QFileInfo(path).size() / 64)));
    const auto look = [&](qint64 reached) {
        progress.percent =
            std::min<int>(readShare, static_cast<int>(readShare * reached / expected));
        return !progress.stop;
    };
    qint64 next = 1;
    qint64 skipped = 0;
    int unusable = 0;
    // The reading goes on after at most one broken part a page.
    qint64 resumes = QFileInfo(path).size() / 512 + 1;
    while (!table.readFrom(next, rows, unusable, look)) {
        if (progress.stop)
            break;
        const std::optional<qint64> resume =
            --resumes > 0 ? table.firstReadableAfter(next) : std::nullopt;
        if (!resume) {
            result.counts.lost.reset();
            break;
        }
        skipped += *resume - next;
        next = *resume;
    }
    result.readAny = next > 1;
    if (result.counts.lost)
        result.counts.lost = static_cast<int>(std::min<qint64>(skipped + unusable, INT_MAX));
    return result;
}

} // namespace

Salvage readSalvageable(const QString& damagedPath, std::vector<PageRow>& rows,
                        RescueProgress& progress, int readShare) {
    SqlRead sql = readThroughSql(damagedPath, rows, progress, readShare);
    // Where SQLite knows where the table ends, it has read every row that
    // can be read.
    if (sql.counts.lost || progress.stop)
        return sql.counts;
    QFile file(damagedPath);
    if (!file.open(QIODevice::ReadOnly))
        return sql.counts;
    const QByteArray bytes = file.readAll();
    PageScan scan = scanSolvedRows(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
    // The pages add the rows SQLite did not reach. What was lost is told by
    // the pages only where SQLite could read nothing at all: else it stays
    // unknown, for the pages cannot tell where the table ended.
    std::vector<PageRow> merged;
    merged.reserve(rows.size() + scan.rows.size());
    std::merge(rows.begin(), rows.end(), scan.rows.begin(), scan.rows.end(),
               std::back_inserter(merged),
               [](const PageRow& a, const PageRow& b) { return a.id < b.id; });
    merged.erase(std::unique(merged.begin(), merged.end(),
                             [](const PageRow& a, const PageRow& b) { return a.id == b.id; }),
                 merged.end());
    rows = std::move(merged);
    if (!sql.readAny && scan.lost)
        sql.counts.lost = static_cast<int>(std::min<std::int64_t>(*scan.lost, INT_MAX));
    return sql.counts;
}

std::optional<QSqlError> insertSalvaged(const QSqlDatabase& db, const std::vector<PageRow>& rows,
                                        RescueProgress& progress, int upTo) {
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral(
            "INSERT INTO solved (at, kind, seconds, wrong, utc_offset) VALUES (?, ?, ?, ?, ?)")))
        return insert.lastError();
    const int from = std::max(0, progress.percent.load());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PageRow& row = rows[i];
        insert.bindValue(0, QString::fromStdString(row.at));
        insert.bindValue(1, static_cast<qint64>(row.recipe));
        insert.bindValue(2, row.seconds ? QVariant(*row.seconds)
                                        : QVariant(QMetaType::fromType<double>()));
        insert.bindValue(3, static_cast<qint64>(row.wrong));
        insert.bindValue(4, row.utcOffset ? QVariant(static_cast<qint64>(*row.utcOffset))
                                          : QVariant(QMetaType::fromType<qint64>()));
        if (!insert.exec())
            return insert.lastError();
        if ((i + 1) % kRowsBetweenLooks == 0) {
            if (progress.stop)
                return QSqlError(QString(), QStringLiteral("the rescue was stopped"),
                                 QSqlError::UnknownError);
            progress.percent =
                from + static_cast<int>((upTo - from) * static_cast<double>(i) / rows.size());
        }
    }
    return std::nullopt;
}

} // namespace vexlor
