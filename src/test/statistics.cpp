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
    const DateTime end = IsStampSet(state.totstop) ? state.totstop : Now();
    return end - state.totstart;
}

TimerTexts ComputeTimerTexts(const TestState& state, const SeriesStore& store) {
    TimerTexts t;
    const CubeNode* current = store.CurrentCube();
    t.tcurr = current != nullptr ? FormatSeconds(CubeTime(*current)) : "0.0";
    const DateTime total = TotalTime(state);
    t.ttot = FormatSeconds(total);
    t.tavr = state.nsolved != 0 ? FormatSeconds(total / state.nsolved) : "++";
    return t;
}

LabelTexts ComputeLabelTexts(const TestState& state, const SeriesStore& store) {
    LabelTexts l;
    l.scurr = std::to_string(store[SeriesKind::Current].count);
    l.sskip = std::to_string(store[SeriesKind::Skipped].count);
    l.smist = std::to_string(store[SeriesKind::Mistakes].count);
    l.scust = std::to_string(store[SeriesKind::Custom].count);
    l.stst = state.paused != 0 ? "Start" : "Pause";
    l.mists = std::to_string(state.nmistakes);
    l.socubes = std::to_string(state.nsolved);
    l.mpc = state.nsolved != 0
                ? std::to_string(std::int64_t{state.nmistakes} * 100 / state.nsolved) + "%"
                : "++";
    const CubeNode* current = store.CurrentCube();
    l.nextVisible = state.paused == 0 && current != nullptr && IsSolved(*current);
    return l;
}

} // namespace vexlor
