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

std::vector<int> practiceRecipes(const PracticePlan& plan, int count, RandomSource& randomSource) {
    // The weights of one share: its own recipes only, alike when none of
    // them has a weight that counts.
    const auto among = [&plan](const std::array<bool, kRecipeCount>& chosen, bool alike) {
        RecipeWeights weights{};
        bool weighed = false;
        for (std::size_t k = 0; k < weights.size(); ++k)
            if (chosen[k]) {
                weights[k] = alike ? 1.0 : plan.weights[k];
                weighed = weighed || counts(weights[k]);
            }
        if (!weighed)
            for (std::size_t k = 0; k < weights.size(); ++k)
                weights[k] = chosen[k] ? 1.0 : 0.0;
        return weights;
    };
    const auto any = [](const std::array<bool, kRecipeCount>& chosen) {
        return std::find(chosen.begin(), chosen.end(), true) != chosen.end();
    };
    count = std::max(count, 0);
    const int weakest = any(plan.weakest) ? (count + 1) / 2 : 0;
    const int unmeasured = any(plan.unmeasured) ? count / 4 : 0;

    std::vector<int> recipes;
    recipes.reserve(static_cast<std::size_t>(count));
    const RecipeWeights weakWeights = among(plan.weakest, false);
    const RecipeWeights unmeasuredWeights = among(plan.unmeasured, true);
    for (int i = 0; i < count; ++i) {
        const RecipeWeights& share = i < weakest                ? weakWeights
                                     : i < weakest + unmeasured ? unmeasuredWeights
                                                                : plan.weights;
        recipes.push_back(drawRecipe(share, randomSource));
    }
    for (int i = count - 1; i > 0; --i)
        std::swap(recipes[static_cast<std::size_t>(i)],
                  recipes[static_cast<std::size_t>(randomSource.draw(i + 1))]);
    return recipes;
}

void makeSeriesOfRecipes(SeriesStore& store, const std::vector<int>& recipes,
                         RandomSource& randomSource) {
    Series& current = store[SeriesId::Current];
    current.clear();
    for (int recipe : recipes) {
        Cube& c = current.emplace_back();
        makeNet(c, randomSource);
        generateTaskOfRecipe(c, recipe, randomSource);
    }
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
