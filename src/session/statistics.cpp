#include "statistics.h"

#include "time/datetime.h"

#include <cmath>
#include <cstdint>

namespace vexlor {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

} // namespace

std::string formatSeconds(DateTime span) {
    const double ms = std::round(std::fabs(span) * kMsPerDay);
    if (!std::isfinite(ms))
        return "0.0";
    // fmod keeps the value below a day before any conversion to an integer,
    // so even an absurd stored span cannot overflow.
    const auto dayMs = static_cast<std::int64_t>(std::fmod(ms, kMsPerDay));
    return std::to_string(dayMs / 1000) + "." + std::to_string(dayMs % 1000 / 100);
}

DateTime cubeTime(const Cube& c, const Clock& clock) {
    return clockSpan(c.clockStart, c.clockStop, clock);
}

DateTime totalTime(const SessionState& state, const Clock& clock) {
    const DateTime end = isStampSet(state.totalStop) ? state.totalStop : clock.now();
    return end - state.totalStart;
}

TimerTexts computeTimerTexts(const SessionState& state, const SeriesStore& store,
                             const Clock& clock) {
    TimerTexts t;
    const Cube* current = store.currentCube();
    t.cubeTime = current != nullptr ? formatSeconds(cubeTime(*current, clock)) : "0.0";
    const DateTime total = totalTime(state, clock);
    t.totalTime = formatSeconds(total);
    t.averageTime = state.solved != 0 ? formatSeconds(total / state.solved) : "++";
    return t;
}

bool anyClockRuns(const SessionState& state, const SeriesStore& store) {
    const Cube* current = store.currentCube();
    const bool cubeClockRuns =
        current != nullptr && isStampSet(current->clockStart) && !isStampSet(current->clockStop);
    return cubeClockRuns || !isStampSet(state.totalStop);
}

LabelTexts computeLabelTexts(const SessionState& state, const SeriesStore& store) {
    LabelTexts l;
    for (SeriesId series : kAllSeries)
        l.seriesCounts[static_cast<int>(series)] = std::to_string(store.count(series));
    l.startPause = state.paused ? "Start" : "Pause";
    l.mistakes = std::to_string(state.mistakes);
    l.solved = std::to_string(state.solved);
    l.mistakesPerCube =
        state.solved != 0 ? std::to_string(std::int64_t{state.mistakes} * 100 / state.solved) + "%"
                          : "++";
    const Cube* current = store.currentCube();
    l.nextVisible = !state.paused && current != nullptr && isSolved(*current);
    return l;
}

} // namespace vexlor
