// What the Progress window shows, computed from the solved Cubes of the
// history: figures per practice day and per recipe, the totals, and the
// weights by which a practice series favours the weakest recipes. Plain C++:
// no Qt and no database, so every rule can be checked on a few rows.
#pragma once

#include "cube/recipe.h"

#include <array>
#include <optional>
#include <vector>

namespace vexlor {

// One solved Cube as the history keeps it.
struct SolvedRow {
    int day = 0;        // local date, in days since 30 December 1899; 0 when unknown
    int recipe = 0;     // 0-14; a row with another number counts in the totals only
    double seconds = 0; // solving time; not a finite number when unknown
    int wrong = 0;      // wrong picks made before the correct one
};

// The days the chart covers: the latest days on which Cubes were solved.
inline constexpr int kChartDays = 30;
// Per recipe, the figures are taken over its latest solves only, so that
// they follow the user's progress rather than their first attempts.
inline constexpr int kRecentSolves = 50;
// A recipe with fewer solves than this is not yet measured: practice treats
// it as weak.
inline constexpr int kMeasuredSolves = 3;
// A day needs this many Cubes to be the best day.
inline constexpr int kBestDayCubes = 5;
inline constexpr int kWeakestMarked = 3;

struct DayFigures {
    int day = 0;
    int cubes = 0;
    double medianSeconds = 0; // not a finite number when no solve of the day has a time
    double mistakesPerCube = 0;
};

struct RecipeFigures {
    int cubes = 0;            // every solve of the recipe
    int recent = 0;           // the solves the figures below are taken over
    double medianSeconds = 0; // not a finite number when none has a time
    double mistakesPerCube = 0;
    bool measured = false; // enough recent solves with a time to be judged
    double cost = 0;       // median seconds x (1 + mistakes per Cube) once measured
    bool weakest = false;  // one of the kWeakestMarked measured recipes of highest cost
};

struct ProgressSummary {
    std::vector<DayFigures> days; // the latest kChartDays practice days, oldest first
    std::array<RecipeFigures, kRecipeCount> recipes{};
    int cubes = 0;
    int daysPractised = 0;
    std::optional<DayFigures> bestDay; // lowest median of the days with kBestDayCubes Cubes
    // How a practice series draws its recipes: each measured recipe by its
    // cost, every other one as the costliest measured recipe (all alike when
    // none is measured). None without any history: practice is then a plain
    // random series.
    std::optional<RecipeWeights> practiceWeights;
};

// Rows in the order they were solved, oldest first.
ProgressSummary summarizeProgress(const std::vector<SolvedRow>& rows);

// The median of the finite values; not a finite number when there are none.
double median(std::vector<double> values);

} // namespace vexlor
