#include "practise.h"

#include "commands.h"
#include "history/history_store.h"
#include "history/progress_summary.h"
#include "history_csv.h"
#include "series/weighted_series.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include <QDate>
#include <QStringList>

namespace vexlor::tool {

std::optional<QString> readSteering(const std::optional<QString>& mix,
                                    const std::optional<QString>& recipes,
                                    PracticeSteering& steering) {
    constexpr std::pair<const char*, PracticeMix> kMixes[] = {
        {"default", PracticeMix::AsToday},
        {"weakest", PracticeMix::WeakestOnly},
        {"review", PracticeMix::ReviewFirst},
    };
    steering = {};
    if (mix) {
        const auto known = std::find_if(std::begin(kMixes), std::end(kMixes), [&](const auto& m) {
            return *mix == QLatin1String(m.first);
        });
        if (known == std::end(kMixes))
            return QStringLiteral("unknown --mix '%1': give default, weakest or review").arg(*mix);
        steering.mix = known->second;
    }
    if (!recipes)
        return std::nullopt;
    if (steering.mix != PracticeMix::AsToday)
        return QStringLiteral("--recipes chooses the recipes itself: it goes only with --mix "
                              "default");
    steering.mix = PracticeMix::Chosen;
    for (const QString& item : recipes->split(QLatin1Char(','))) {
        bool ok = false;
        const int number = item.trimmed().toInt(&ok);
        if (!ok || number < 1 || number > kRecipeCount)
            return QStringLiteral("--recipes: '%1' is not a recipe number from 1 to %2")
                .arg(item.trimmed())
                .arg(kRecipeCount);
        steering.recipes[static_cast<std::size_t>(number - 1)] = true;
    }
    return std::nullopt;
}

int practise(const QString& countText, const std::optional<QString>& database,
             const std::optional<QString>& seedText, const PracticeSteering& steering,
             const QString& output) {
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
        std::vector<Cube> due;
        if (steering.mix == PracticeMix::ReviewFirst)
            due = history.cubesDueForReview(QDate::currentDate());
        if (due.size() > static_cast<std::size_t>(arguments.count))
            due.resize(static_cast<std::size_t>(arguments.count));
        const int drawn = arguments.count - static_cast<int>(due.size());
        makeSeriesOfRecipes(store,
                            mixRecipes(*plan, steering.mix, steering.recipes, drawn, randomSource),
                            randomSource, due);
    } else {
        // No history: the series "Create random series" makes.
        store.seriesSize = arguments.count;
        store.makeRandomSeries(randomSource);
    }
    return saveGenerated(store, output);
}

} // namespace vexlor::tool
