#include "weighted_series.h"

#include "cube/generator.h"

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

// Tickets of the heaviest recipe. Fine enough that a weight ratio is kept to
// within a hundredth of a percent, small enough that the fifteen together
// stay far inside the range of a draw.
constexpr double kTicketScale = 10'000.0;

bool counts(double w) {
    return std::isfinite(w) && w > 0.0;
}

} // namespace

int drawRecipe(const RecipeWeights& weights, RandomSource& randomSource) {
    double heaviest = 0.0;
    for (double w : weights)
        if (counts(w))
            heaviest = std::max(heaviest, w);
    if (heaviest <= 0.0)
        return randomSource.draw(kRecipeCount);

    std::array<int, kRecipeCount> tickets{};
    int total = 0;
    for (int k = 0; k < kRecipeCount; ++k) {
        const double w = weights[static_cast<std::size_t>(k)];
        if (!counts(w))
            continue;
        // A recipe with any weight at all keeps at least one ticket.
        tickets[static_cast<std::size_t>(k)] =
            std::max(1, static_cast<int>(std::lround(w / heaviest * kTicketScale)));
        total += tickets[static_cast<std::size_t>(k)];
    }
    int ticket = randomSource.draw(total);
    for (int k = 0; k < kRecipeCount; ++k) {
        ticket -= tickets[static_cast<std::size_t>(k)];
        if (ticket < 0)
            return k;
    }
    return kRecipeCount - 1;
}

void makeWeightedSeries(SeriesStore& store, const RecipeWeights& weights,
                        RandomSource& randomSource) {
    Series& current = store[SeriesId::Current];
    current.clear();
    for (int i = 0; i < store.seriesSize; ++i) {
        Cube& c = current.emplace_back();
        makeNet(c, randomSource);
        generateTaskOfRecipe(c, drawRecipe(weights, randomSource), randomSource);
    }
}

} // namespace vexlor
