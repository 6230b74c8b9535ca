#include "progress_summary.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace vexlor {

namespace {

constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

// A damaged row must not make the mistake figures negative.
int wrongPicks(const SolvedRow& row) {
    return std::max(0, row.wrong);
}

template <class It> std::optional<DayFigures> bestDayOf(It first, It last) {
    std::optional<DayFigures> best;
    for (It d = first; d != last; ++d)
        if (d->cubes >= kBestDayCubes && std::isfinite(d->medianSeconds) &&
            (!best || d->medianSeconds < best->medianSeconds))
            best = *d;
    return best;
}

void summarizeDays(const HistoryFigures& history, ProgressSummary& summary) {
    summary.allDays = history.days;
    summary.daysPractised = static_cast<int>(history.days.size());
    summary.bestDay = bestDayOf(history.days.begin(), history.days.end());
    const auto first =
        history.days.size() > kChartDays ? history.days.end() - kChartDays : history.days.begin();
    summary.days.assign(first, history.days.end());
}

void summarizeRecipes(const HistoryFigures& history, ProgressSummary& summary) {
    for (std::size_t k = 0; k < summary.recipes.size(); ++k) {
        const std::vector<SolvedRow>& solves = history.recentSolves[k];
        RecipeFigures& figures = summary.recipes[k];
        figures.cubes = history.recipeCubes[k];
        figures.recent = static_cast<int>(solves.size());
        std::vector<double> seconds;
        long long wrong = 0;
        for (const SolvedRow& solve : solves) {
            wrong += wrongPicks(solve);
            if (std::isfinite(solve.seconds))
                seconds.push_back(solve.seconds);
        }
        figures.measured = static_cast<int>(seconds.size()) >= kMeasuredSolves;
        figures.recentSeconds = seconds;
        figures.medianSeconds = median(std::move(seconds));
        figures.mistakesPerCube =
            figures.recent > 0 ? static_cast<double>(wrong) / figures.recent : kUnknown;
        if (figures.measured)
            figures.cost = figures.medianSeconds * (1.0 + figures.mistakesPerCube);
    }

    std::array<int, kRecipeCount> order{};
    for (int k = 0; k < kRecipeCount; ++k)
        order[static_cast<std::size_t>(k)] = k;
    const auto& recipes = summary.recipes;
    std::stable_sort(order.begin(), order.end(), [&recipes](int a, int b) {
        const RecipeFigures& x = recipes[static_cast<std::size_t>(a)];
        const RecipeFigures& y = recipes[static_cast<std::size_t>(b)];
        if (x.measured != y.measured)
            return x.measured;
        return x.cost > y.cost;
    });
    for (int i = 0; i < kWeakestMarked; ++i) {
        RecipeFigures& figures = summary.recipes[static_cast<std::size_t>(order[i])];
        figures.weakest = figures.measured;
    }

    if (history.cubes == 0)
        return;
    double costliest = 0.0;
    for (const RecipeFigures& figures : summary.recipes)
        if (figures.measured && std::isfinite(figures.cost))
            costliest = std::max(costliest, figures.cost);
    RecipeWeights weights{};
    for (std::size_t k = 0; k < weights.size(); ++k) {
        const RecipeFigures& figures = summary.recipes[k];
        if (costliest <= 0.0)
            weights[k] = 1.0;
        else
            weights[k] = figures.measured ? figures.cost : costliest;
    }
    summary.practiceWeights = weights;
}

} // namespace

HistoryFigures gatherFigures(const std::vector<SolvedRow>& rows) {
    HistoryFigures history;
    history.cubes = static_cast<int>(rows.size());
    struct DayTally {
        int cubes = 0;
        long long wrong = 0;
        std::vector<double> seconds;
    };
    std::map<int, DayTally> days;
    for (const SolvedRow& row : rows) {
        if (isRecipe(row.recipe)) {
            const auto k = static_cast<std::size_t>(row.recipe);
            ++history.recipeCubes[k];
            std::vector<SolvedRow>& recent = history.recentSolves[k];
            // Kept short as it goes: only the latest solves count.
            if (recent.size() == 2 * static_cast<std::size_t>(kRecentSolves))
                recent.erase(recent.begin(), recent.begin() + kRecentSolves);
            recent.push_back(row);
        }
        if (row.day == 0)
            continue;
        DayTally& tally = days[row.day];
        ++tally.cubes;
        tally.wrong += wrongPicks(row);
        tally.seconds.push_back(row.seconds);
    }
    for (std::vector<SolvedRow>& recent : history.recentSolves)
        if (recent.size() > static_cast<std::size_t>(kRecentSolves))
            recent.erase(recent.begin(), recent.end() - kRecentSolves);
    history.days.reserve(days.size());
    for (auto& [day, tally] : days)
        history.days.push_back({day, tally.cubes, median(std::move(tally.seconds)),
                                static_cast<double>(tally.wrong) / tally.cubes});
    return history;
}

void addRows(HistoryFigures& figures, const std::vector<SolvedRow>& sameDays,
             const std::vector<SolvedRow>& added) {
    std::vector<SolvedRow> rows = sameDays;
    rows.insert(rows.end(), added.begin(), added.end());
    const HistoryFigures days = gatherFigures(rows);
    for (const DayFigures& day : days.days) {
        const auto at =
            std::lower_bound(figures.days.begin(), figures.days.end(), day.day,
                             [](const DayFigures& d, int number) { return d.day < number; });
        if (at != figures.days.end() && at->day == day.day)
            *at = day;
        else
            figures.days.insert(at, day);
    }
    figures.cubes += static_cast<int>(added.size());
    for (const SolvedRow& row : added) {
        if (!isRecipe(row.recipe))
            continue;
        const auto k = static_cast<std::size_t>(row.recipe);
        ++figures.recipeCubes[k];
        std::vector<SolvedRow>& recent = figures.recentSolves[k];
        recent.push_back(row);
        if (recent.size() > static_cast<std::size_t>(kRecentSolves))
            recent.erase(recent.begin(), recent.end() - kRecentSolves);
    }
}

SpanFigures spanFigures(const std::vector<SolvedRow>& rows, int first, int last) {
    SpanFigures span{first, last, 0, kUnknown, kUnknown};
    std::vector<double> seconds;
    long long wrong = 0;
    for (const SolvedRow& row : rows)
        if (row.day >= first && row.day <= last && row.day != 0) {
            ++span.cubes;
            wrong += wrongPicks(row);
            seconds.push_back(row.seconds);
        }
    span.medianSeconds = median(std::move(seconds));
    if (span.cubes > 0)
        span.mistakesPerCube = static_cast<double>(wrong) / span.cubes;
    return span;
}

std::vector<DayFigures> weekFigures(const std::vector<SolvedRow>& rows, int first, int last) {
    std::vector<DayFigures> weeks;
    if (last < first)
        return weeks;
    for (int weekLast = last - (last - first) / kWeekDays * kWeekDays; weekLast <= last;
         weekLast += kWeekDays) {
        const int weekFirst = std::max(first, weekLast - kWeekDays + 1);
        const SpanFigures week = spanFigures(rows, weekFirst, weekLast);
        if (week.cubes > 0)
            weeks.push_back(
                {(weekFirst + weekLast) / 2, week.cubes, week.medianSeconds, week.mistakesPerCube});
    }
    return weeks;
}

double shareWithin(const std::vector<double>& seconds, double target) {
    int timed = 0;
    int within = 0;
    for (double s : seconds)
        if (std::isfinite(s)) {
            ++timed;
            within += s <= target ? 1 : 0;
        }
    return timed > 0 ? static_cast<double>(within) / timed : kUnknown;
}

double median(std::vector<double> values) {
    std::erase_if(values, [](double v) { return !std::isfinite(v); });
    if (values.empty())
        return kUnknown;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 != 0)
        return *middle;
    // The largest of the lower half is the other middle value.
    const double below = *std::max_element(values.begin(), middle);
    return (below + *middle) / 2.0;
}

std::optional<PracticePlan> practicePlan(const ProgressSummary& summary) {
    if (!summary.practiceWeights)
        return std::nullopt;
    PracticePlan plan;
    plan.weights = *summary.practiceWeights;
    for (std::size_t k = 0; k < summary.recipes.size(); ++k) {
        plan.weakest[k] = summary.recipes[k].weakest;
        plan.unmeasured[k] = !summary.recipes[k].measured;
    }
    return plan;
}

RangeFigures rangeFigures(const ProgressSummary& summary, ChartRange range, int today,
                          const SpanReader& span) {
    RangeFigures figures;
    const std::vector<DayFigures>& all = summary.allDays;
    const int last = all.empty() ? today : std::max(today, all.back().day);
    if (rangeDays(range) > 0) {
        figures.firstDay = last - rangeDays(range) + 1;
    } else if (!all.empty()) {
        figures.firstDay = all.front().day;
    } else {
        return figures;
    }
    figures.lastDay = last;
    const auto begin = std::lower_bound(all.begin(), all.end(), figures.firstDay,
                                        [](const DayFigures& d, int day) { return d.day < day; });
    figures.days.assign(begin, all.end());
    figures.bestDay = bestDayOf(figures.days.begin(), figures.days.end());
    if (figures.days.empty())
        return figures;

    const int firstPractised = figures.days.front().day;
    const int lastPractised = figures.days.back().day;
    figures.firstWeek = span(firstPractised, firstPractised + kWeekDays - 1);
    if (lastPractised >= firstPractised + kWeekDays)
        figures.lastWeek = span(std::max(lastPractised - kWeekDays + 1, firstPractised + kWeekDays),
                                lastPractised);
    return figures;
}

RangeFigures rangeFigures(const std::vector<SolvedRow>& rows, const ProgressSummary& summary,
                          ChartRange range, int today) {
    return rangeFigures(summary, range, today,
                        [&rows](int first, int last) { return spanFigures(rows, first, last); });
}

ProgressSummary summarizeProgress(const HistoryFigures& history) {
    ProgressSummary summary;
    summary.cubes = history.cubes;
    summarizeDays(history, summary);
    summarizeRecipes(history, summary);
    return summary;
}

ProgressSummary summarizeProgress(const std::vector<SolvedRow>& rows) {
    return summarizeProgress(gatherFigures(rows));
}

} // namespace vexlor
