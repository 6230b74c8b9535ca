#include "practise.h"

#include "commands.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "history/history_store.h"
#include "history/progress_summary.h"
#include "series/series_file.h"
#include "series/weighted_series.h"

#include <cmath>
#include <vector>

namespace vexlor::tool {

int practise(const QString& countText, const std::optional<QString>& database,
             const std::optional<QString>& seedText, const QString& output) {
    bool ok = false;
    const int count = countText.toInt(&ok);
    if (!ok || count < 1 || count > kMaxCubesPerFile)
        return fail(QStringLiteral("COUNT must be a whole number from 1 to 65535, not '%1'")
                        .arg(countText));
    std::int64_t seconds = 0;
    if (seedText) {
        seconds = seedText->toLongLong(&ok);
        if (!ok)
            return fail(QStringLiteral("SECONDS must be a whole number, not '%1'").arg(*seedText));
    }

    const QString path = database.value_or(HistoryStore::defaultPath());
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

    setupTopology();
    if (seedText)
        seedRandom(seconds);
    else
        seedRandom();
    SeriesStore store;
    if (const auto plan = practicePlan(summarizeProgress(rows))) {
        makeSeriesOfRecipes(store, practiceRecipes(*plan, count));
    } else {
        // No history: the series "Create random series" makes.
        store.seriesSize = count;
        store.makeRandomSeries();
    }
    QString reason;
    const WriteResult result = saveSeriesFile(output, store[SeriesId::Current], true, &reason);
    if (result != WriteResult::Ok)
        return fail(QStringLiteral("cannot write %1: %2")
                        .arg(output, reason.isEmpty() ? saveMessage(result) : reason));
    return kExitOk;
}

} // namespace vexlor::tool
