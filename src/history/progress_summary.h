// What the Progress window shows, computed from the solved Cubes of the
// history: figures per practice day and per recipe, the totals, and the
// weights by which a practice series favours the weakest recipes. Plain C++:
// no Qt and no database, so every rule can be checked on a few rows.
#pragma once

#include "cube/recipe.h"
#include "series/weighted_series.h"

#include <array>
#include <functional>
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

// How many of the latest practice days ProgressSummary::days lists. The
// charts take their days from a calendar range instead (rangeFigures).
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
    bool measured = false;             // enough recent solves with a time to be judged
    double cost = 0;                   // median seconds x (1 + mistakes per Cube) once measured
    bool weakest = false;              // one of the kWeakestMarked measured recipes of highest cost
    std::vector<double> recentSeconds; // the known times of the recent solves
};

struct ProgressSummary {
    std::vector<DayFigures> allDays; // every practice day, oldest first
    std::vector<DayFigures> days;    // the latest kChartDays practice days, oldest first
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

// What the history holds, in the form the summary takes it: per practice
// day, and per recipe its count and latest solves. The history store reads
// it from tallies SQLite keeps as rows are added; gatherFigures makes it
// from the rows themselves.
struct HistoryFigures {
    int cubes = 0;                // every row, undated and unknown recipes included
    std::vector<DayFigures> days; // every dated day with a solve, oldest first
    std::array<int, kRecipeCount> recipeCubes{};
    // Each recipe's latest kRecentSolves solves (at most), oldest first.
    std::array<std::vector<SolvedRow>, kRecipeCount> recentSolves{};
};

// Rows in the order they were solved, oldest first.
HistoryFigures gatherFigures(const std::vector<SolvedRow>& rows);
// Adds rows solved after every row the figures hold, oldest first.
// sameDays holds the rows already counted on the days the added rows fall
// on, so that those days' medians are taken anew over all their rows.
void addRows(HistoryFigures& figures, const std::vector<SolvedRow>& sameDays,
             const std::vector<SolvedRow>& added);

ProgressSummary summarizeProgress(const HistoryFigures& history);
// The same as summarizeProgress(gatherFigures(rows)).
ProgressSummary summarizeProgress(const std::vector<SolvedRow>& rows);

// How "Practise weakest recipes" shares out its Cubes; none without any
// history, where practice is a plain random series.
std::optional<PracticePlan> practicePlan(const ProgressSummary& summary);

// The stretches of time the charts offer, shortest first. Each but All
// ends today; All begins on the first practice day.
enum class ChartRange { Days30, Days90, Year, All };
inline constexpr std::array<ChartRange, 4> kChartRanges = {ChartRange::Days30, ChartRange::Days90,
                                                           ChartRange::Year, ChartRange::All};
// The calendar days a range covers; 0 for All.
constexpr int rangeDays(ChartRange range) {
    switch (range) {
    case ChartRange::Days30:
        return 30;
    case ChartRange::Days90:
        return 90;
    case ChartRange::Year:
        return 365;
    case ChartRange::All:
        break;
    }
    return 0;
}

// The figures of a stretch of days taken over all its Cubes together.
struct SpanFigures {
    int firstDay = 0;
    int lastDay = 0;
    int cubes = 0;
    double medianSeconds = 0; // not a finite number when no Cube of it has a time
    double mistakesPerCube = 0;
};

// What the charts show of one range.
struct RangeFigures {
    int firstDay = 0;                  // the calendar days shown, both included; no days when
    int lastDay = 0;                   // there is nothing to show
    std::vector<DayFigures> days;      // the practice days among them, oldest first
    std::optional<DayFigures> bestDay; // lowest median of those with kBestDayCubes Cubes
    // The week from the first practice day of the range, and the week up to
    // its last practice day. The last week is none while every practice
    // day lies within the first week, and never overlaps it.
    std::optional<SpanFigures> firstWeek;
    std::optional<SpanFigures> lastWeek;
};
inline constexpr int kWeekDays = 7;

// The figures of the rows solved from day first to day last, both included.
SpanFigures spanFigures(const std::vector<SolvedRow>& rows, int first, int last);
// The same, read from wherever the rows are.
using SpanReader = std::function<SpanFigures(int first, int last)>;

// The figures of range as of today (a day number), with its weeks read by
// span. Days after today, from a clock that was set forward, stretch the
// range to the last of them.
RangeFigures rangeFigures(const ProgressSummary& summary, ChartRange range, int today,
                          const SpanReader& span);
// The same, with the weeks taken from the rows the summary was made of.
RangeFigures rangeFigures(const std::vector<SolvedRow>& rows, const ProgressSummary& summary,
                          ChartRange range, int today);

// The figures of rows week by week, for one recipe's chart: the weeks end
// on day last, 7 days each, the first cut short at day first where the
// range begins mid-week. One entry for each week with a solve, oldest first,
// dated on the middle day of the days it covers.
std::vector<DayFigures> weekFigures(const std::vector<SolvedRow>& rows, int first, int last);

// The share of the finite values no larger than target, from 0 to 1; not a
// finite number when there are none.
double shareWithin(const std::vector<double>& seconds, double target);

// Of the solves of a stretch of days, those with a known time, and how many
// of them took no longer than a target.
struct TargetCount {
    int timed = 0;
    int within = 0;
};

// The median of the finite values; not a finite number when there are none.
double median(std::vector<double> values);

} // namespace vexlor
