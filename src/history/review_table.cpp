#include "review_table.h"

#include "cube/invariants.h"
#include "history_schema.h"
#include "series/cube_record.h"

#include <QSqlQuery>
#include <QVariant>

namespace vexlor {

namespace {

// The Cube of a stored record, when it still reads as one the generator
// could have made, stripped: anything else (a record cut short, bytes
// changed by hand or by damage) is never shown.
std::optional<Cube> soundCube(const QByteArray& record) {
    if (record.size() != static_cast<qsizetype>(kCubeRecordSize))
        return std::nullopt;
    Cube c;
    decodeCube(reinterpret_cast<const std::uint8_t*>(record.constData()), c);
    if (!invariantFailures(c, Progress::None).empty())
        return std::nullopt;
    return c;
}

} // namespace

std::optional<QSqlError> keepForReview(const QSqlDatabase& db, const QByteArray& cube,
                                       ReviewOutcome outcome, int day, const QString& at) {
    QSqlQuery q(db);
    if (!q.prepare(QStringLiteral("SELECT step, due FROM review WHERE cube = ?")))
        return q.lastError();
    q.addBindValue(cube);
    if (!q.exec())
        return q.lastError();
    std::optional<ReviewEntry> kept;
    if (q.next())
        kept = ReviewEntry{q.value(0).toInt(), q.value(1).toInt()};
    if (q.lastError().isValid())
        return q.lastError();
    q.finish();
    const std::optional<ReviewEntry> next = nextReviewEntry(kept, outcome, day);
    if (!next || next == kept)
        return std::nullopt;
    if (!q.prepare(QStringLiteral(
            "INSERT INTO review (cube, step, due, kept_at) VALUES (?, ?, ?, ?)"
            " ON CONFLICT (cube) DO UPDATE SET step = excluded.step, due = excluded.due")))
        return q.lastError();
    q.addBindValue(cube);
    q.addBindValue(next->step);
    q.addBindValue(next->step >= kLearntStep ? QVariant() : QVariant(next->due));
    q.addBindValue(at);
    if (!q.exec())
        return q.lastError();
    return std::nullopt;
}

std::optional<QSqlError> readReview(const QSqlDatabase& db, int day, ReviewCounts& counts,
                                    std::vector<Cube>* due) {
    if (fileVersion(db) < kReviewVersion)
        return std::nullopt;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT cube, step, due FROM review ORDER BY due, rowid")))
        return q.lastError();
    while (q.next()) {
        const std::optional<Cube> cube = soundCube(q.value(0).toByteArray());
        bool stepRead = false;
        bool dueRead = false;
        ReviewEntry entry{q.value(1).toInt(&stepRead), q.value(2).toInt(&dueRead)};
        if (!cube || !stepRead || entry.step < 0 || entry.step > kLearntStep ||
            (entry.step < kLearntStep && !dueRead)) {
            ++counts.leftOut;
            continue;
        }
        counts.count(entry, day);
        if (due != nullptr && entry.step < kLearntStep && entry.due <= day)
            due->push_back(*cube);
    }
    if (q.lastError().isValid())
        return q.lastError();
    return std::nullopt;
}

} // namespace vexlor
