#include "statistics.h"

#include "datetime.h"

#include <cmath>
#include <cstdint>

namespace vexlor {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

} // namespace

std::string FormatSeconds(DateTime span) {
    const double ms = std::round(std::fabs(span) * kMsPerDay);
    if (!std::isfinite(ms))
        return "0.0";
    // fmod keeps the value below a day before any conversion to an integer,
    // so even an absurd stored span cannot overflow.
    const auto dayMs = static_cast<std::int64_t>(std::fmod(ms, kMsPerDay));
    return std::to_string(dayMs / 1000) + "." + std::to_string(dayMs % 1000 / 100);
}

DateTime CubeTime(const CubeNode& c) {
    return ClockSpan(c.tstart, c.tstop);
}

DateTime TotalTime(const TestState& state) {
    const DateTime end = IsStampSet(state.totalStop) ? state.totalStop : Now();
    return end - state.totalStart;
}

TimerTexts ComputeTimerTexts(const TestState& state, const SeriesStore& store) {
    TimerTexts t;
    const CubeNode* current = store.CurrentCube();
    t.cubeTime = current != nullptr ? FormatSeconds(CubeTime(*current)) : "0.0";
    const DateTime total = TotalTime(state);
    t.totalTime = FormatSeconds(total);
    t.averageTime = state.solved != 0 ? FormatSeconds(total / state.solved) : "++";
    return t;
}

LabelTexts ComputeLabelTexts(const TestState& state, const SeriesStore& store) {
    LabelTexts l;
    for (SeriesKind kind : kAllSeries)
        l.seriesCounts[static_cast<int>(kind)] = std::to_string(store.count(kind));
    l.startPause = state.paused ? "Start" : "Pause";
    l.mistakes = std::to_string(state.mistakes);
    l.solved = std::to_string(state.solved);
    l.mistakesPerCube =
        state.solved != 0 ? std::to_string(std::int64_t{state.mistakes} * 100 / state.solved) + "%"
                          : "++";
    const CubeNode* current = store.CurrentCube();
    l.nextVisible = !state.paused && current != nullptr && IsSolved(*current);
    return l;
}

} // namespace vexlor
