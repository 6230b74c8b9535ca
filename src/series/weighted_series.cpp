#include "weighted_series.h"

#include "cube/generator.h"
#include "cube/random.h"

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

// Tickets of the heaviest recipe. Fine enough that a weight ratio is kept to
// within a hundredth of a percent, small enough that the fifteen together
// stay far inside random's range.
constexpr double kTicketScale = 10'000.0;

bool Counts(double w) {
    return std::isfinite(w) && w > 0.0;
}

} // namespace

int DrawRecipe(const RecipeWeights& weights) {
    double heaviest = 0.0;
    for (double w : weights)
        if (Counts(w))
            heaviest = std::max(heaviest, w);
    if (heaviest <= 0.0)
        return random(kRecipes);

    std::array<int, kRecipes> tickets{};
    int total = 0;
    for (int k = 0; k < kRecipes; ++k) {
        const double w = weights[static_cast<std::size_t>(k)];
        if (!Counts(w))
            continue;
        // A recipe with any weight at all keeps at least one ticket.
        tickets[static_cast<std::size_t>(k)] =
            std::max(1, static_cast<int>(std::lround(w / heaviest * kTicketScale)));
        total += tickets[static_cast<std::size_t>(k)];
    }
    int ticket = random(total);
    for (int k = 0; k < kRecipes; ++k) {
        ticket -= tickets[static_cast<std::size_t>(k)];
        if (ticket < 0)
            return k;
    }
    return kRecipes - 1;
}

void MakeWeightedSeries(SeriesStore& store, const RecipeWeights& weights) {
    Series& current = store[SeriesKind::Current];
    current.clear();
    for (int i = 0; i < store.seriesSize; ++i) {
        CubeNode& c = current.emplace_back();
        MakeNet(c);
        GenerateTaskOfKind(c, DrawRecipe(weights));
    }
}

} // namespace vexlor
