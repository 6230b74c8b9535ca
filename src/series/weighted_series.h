// Random series whose recipes are drawn by weight rather than with equal
// chance: the practice series that favours the recipes a user finds hard.
#pragma once

#include "cube/recipe.h"
#include "series_store.h"

#include <array>

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

} // namespace vexlor
