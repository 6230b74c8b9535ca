// Random series whose recipes are drawn by weight rather than with equal
// chance: the practice series that favours the recipes a user finds hard.
#pragma once

#include "series_store.h"

#include <array>

namespace vexlor {

// One weight per recipe, in recipe order.
using RecipeWeights = std::array<double, kRecipes>;

// A recipe drawn from the program's random source with a chance in
// proportion to its weight. A weight that is not a positive finite number
// counts as 0; when no weight is positive, every recipe has the same chance.
int DrawRecipe(const RecipeWeights& weights);

// Replaces Current by store.seriesSize freshly generated Cubes, as
// MakeRandomSeries does, but with each Cube's recipe drawn by DrawRecipe.
// SetupTopology must have run. The caller then resets the test.
void MakeWeightedSeries(SeriesStore& store, const RecipeWeights& weights);

} // namespace vexlor
