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

// A Cube as a fresh series holds it: asked again, never answered.
Cube withoutPicksAndTimes(Cube c) {
    std::fill(std::begin(c.picked), std::end(c.picked), std::int8_t{0});
    c.clockStart = 0.0;
    c.clockStop = 0.0;
    return c;
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

namespace {

int marked(const RecipeChoice& chosen) {
    return static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
}

// The weights of one share: its own recipes only, alike when none of them
// has a weight that counts (or when alike is asked for).
RecipeWeights among(const PracticePlan& plan, const RecipeChoice& chosen, bool alike) {
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
}

std::vector<int> drawAll(const RecipeWeights& weights, int count, RandomSource& randomSource) {
    std::vector<int> recipes;
    for (int i = 0; i < count; ++i)
        recipes.push_back(drawRecipe(weights, randomSource));
    return recipes;
}

} // namespace

std::vector<int> mixRecipes(const PracticePlan& plan, PracticeMix mix, const RecipeChoice& chosen,
                            int count, RandomSource& randomSource) {
    count = std::max(count, 0);
    switch (mix) {
    case PracticeMix::AsToday:
        return practiceRecipes(plan, count, randomSource);
    case PracticeMix::Chosen:
        return drawAll(marked(chosen) > 0 ? among(plan, chosen, true) : RecipeWeights{}, count,
                       randomSource);
    case PracticeMix::WeakestOnly:
    case PracticeMix::ReviewFirst:
        break;
    }
    // Recipes not yet measured count as weak until they are.
    if (marked(plan.weakest) > 0)
        return drawAll(among(plan, plan.weakest, false), count, randomSource);
    if (marked(plan.unmeasured) > 0)
        return drawAll(among(plan, plan.unmeasured, true), count, randomSource);
    return drawAll(RecipeWeights{}, count, randomSource);
}

std::vector<int> practiceRecipes(const PracticePlan& plan, int count, RandomSource& randomSource) {
    count = std::max(count, 0);
    const int weakRecipes = marked(plan.weakest);
    const int weakest = weakRecipes > 0 ? (count + 1) / 2 : 0;
    int unmeasured = marked(plan.unmeasured) > 0 ? count / 4 : 0;
    // A recipe the user has hardly tried must not outweigh the weakest ones:
    // each gets at most what a weakest recipe gets of its half on average.
    if (weakRecipes > 0)
        unmeasured = std::min(unmeasured, marked(plan.unmeasured) * weakest / weakRecipes);

    std::vector<int> recipes;
    recipes.reserve(static_cast<std::size_t>(count));
    const RecipeWeights weakWeights = among(plan, plan.weakest, false);
    const RecipeWeights unmeasuredWeights = among(plan, plan.unmeasured, true);
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
                         RandomSource& randomSource, const std::vector<Cube>& first) {
    Series& current = store[SeriesId::Current];
    current.clear();
    for (const Cube& c : first)
        current.push_back(withoutPicksAndTimes(c));
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
