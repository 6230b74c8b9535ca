#include "practise.h"

#include "commands.h"
#include "history/history_store.h"
#include "history/progress_summary.h"
#include "history_csv.h"
#include "series/weighted_series.h"

#include <cmath>
#include <vector>

namespace vexlor::tool {

int practise(const QString& countText, const std::optional<QString>& database,
             const std::optional<QString>& seedText, const QString& output) {
    SeriesArguments arguments;
    if (const auto error = readSeriesArguments(countText, seedText, arguments))
        return fail(*error);

    const QString path = historyPath(database);
    // Opened to read only: practice never creates, upgrades or sets aside.
    HistoryStore history(path, HistoryStore::Mode::ReadOnly);
    // The recipe figures are all practice needs: the days do not count.
    std::vector<SolvedRow> rows;
    const bool read = history.forEachStoredRow([&rows](const StoredRow& row) {
        rows.push_back({0, row.recipe, row.seconds.value_or(std::nan("")), row.wrong});
    });
    if (!read)
        return fail(
            QStringLiteral("cannot read the history %1: %2").arg(path, history.readError()));

    RandomSource randomSource(arguments.seedOrNow());
    SeriesStore store;
    if (const auto plan = practicePlan(summarizeProgress(rows))) {
        makeSeriesOfRecipes(store, practiceRecipes(*plan, arguments.count, randomSource),
                            randomSource);
    } else {
        // No history: the series "Create random series" makes.
        store.seriesSize = arguments.count;
        store.makeRandomSeries(randomSource);
    }
    return saveGenerated(store, output);
}

} // namespace vexlor::tool
