#include "review.h"

#include "commands.h"
#include "history/history_store.h"
#include "history_csv.h"

#include <QDate>
#include <QRegularExpression>

#include <cstdio>
#include <iterator>

namespace vexlor::tool {

int review(const std::optional<QString>& database, const std::optional<QString>& on,
           const QString& output) {
    QDate day = QDate::currentDate();
    if (on) {
        // The ISO form only: 2025-12-09, not 9.12.2025 or 2025-12-09T10:00.
        static const QRegularExpression isoDate(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        day = isoDate.match(*on).hasMatch() ? QDate::fromString(*on, Qt::ISODate) : QDate();
        if (!day.isValid())
            return fail(QStringLiteral("--on '%1' is not a date; give it as YYYY-MM-DD").arg(*on));
    }
    const QString path = historyPath(database);
    // Opened to read only: review never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    std::vector<Cube> due = history.cubesDueForReview(day);
    if (!history.readError().isEmpty())
        return fail(
            QStringLiteral("cannot read the history %1: %2").arg(path, history.readError()));
    if (const int leftOut = history.readReviewCounts(day).leftOut; leftOut > 0)
        std::fprintf(stderr,
                     "vexlor-series: %d Cube(s) kept for review left out: their records no "
                     "longer read as sound Cubes\n",
                     leftOut);
    // A series of no Cubes is no series file: nothing is written.
    if (due.empty()) {
        std::fprintf(stderr, "vexlor-series: no Cubes are due for review on %s; nothing written\n",
                     qPrintable(day.toString(Qt::ISODate)));
        return kExitNoneDue;
    }
    SeriesStore store;
    store.replaceCurrent(
        Series(std::make_move_iterator(due.begin()), std::make_move_iterator(due.end())));
    return saveGenerated(store, output);
}

} // namespace vexlor::tool
