// Random series whose recipes are drawn by weight rather than with equal
// chance: the practice series that favours the recipes a user finds hard.
#pragma once

#include "cube/recipe.h"
#include "series_store.h"

#include <array>
#include <vector>

namespace vexlor {

// A recipe drawn from the random source with a chance in proportion to its
// weight. A weight that is not a positive finite number counts as 0; when no
// weight is positive, every recipe has the same chance.
int drawRecipe(const RecipeWeights& weights, RandomSource& randomSource);

// Replaces Current by store.seriesSize freshly generated Cubes, as
// makeRandomSeries does, but with each Cube's recipe drawn by drawRecipe.
// The caller then resets the test.
void makeWeightedSeries(SeriesStore& store, const RecipeWeights& weights,
                        RandomSource& randomSource);

// How a practice series shares out its Cubes, so that it stays on the
// recipes a user finds hardest: half of them (rounded up) from the recipes
// marked weakest, drawn among those by weight; a quarter (rounded down) from
// the recipes not yet measured, drawn among those alike, but never more of
// it for each of them than a weakest recipe has of the half on average; the
// rest from every recipe by weight. A share whose recipes are none, and what
// the cap leaves of the quarter, goes to the rest.
struct PracticePlan {
    RecipeWeights weights{};
    std::array<bool, kRecipeCount> weakest{};
    std::array<bool, kRecipeCount> unmeasured{};
};

// The recipe of each Cube of a practice series of count Cubes, drawn from
// randomSource. The shares are shuffled together, so that the weakest
// recipes do not come in one block.
std::vector<int> practiceRecipes(const PracticePlan& plan, int count, RandomSource& randomSource);

// What a practice series is made of, as the learner chooses it.
enum class PracticeMix {
    AsToday,     // the plan's shares, as practiceRecipes draws them
    WeakestOnly, // only the recipes marked weakest, by weight
    Chosen,      // only the recipes the learner ticked, alike
    ReviewFirst, // the Cubes due for review, then the weakest only
};
using RecipeChoice = std::array<bool, kRecipeCount>;

// The recipes of the count Cubes a mix draws (for ReviewFirst, those after
// the Cubes due). WeakestOnly without a recipe marked weakest draws from the
// recipes not yet measured, and without those from every recipe alike;
// Chosen with nothing ticked draws from every recipe alike.
std::vector<int> mixRecipes(const PracticePlan& plan, PracticeMix mix, const RecipeChoice& chosen,
                            int count, RandomSource& randomSource);

// Replaces Current by copies of the Cubes of first, without picks or
// times, followed by one freshly generated Cube of each recipe given, in
// that order. The caller then resets the test.
void makeSeriesOfRecipes(SeriesStore& store, const std::vector<int>& recipes,
                         RandomSource& randomSource, const std::vector<Cube>& first = {});

} // namespace vexlor
