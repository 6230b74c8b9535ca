#include "statistics.h"

#include "time/datetime.h"

#include <cmath>

namespace vexlor {

namespace {

constexpr double kMsPerDay = 86'400'000.0;

} // namespace

std::int64_t shownTenths(DateTime span) {
    const double ms = std::round(std::fabs(span) * kMsPerDay);
    if (!std::isfinite(ms))
        return 0;
    // fmod keeps the value below a day before any conversion to an integer,
    // so even an absurd stored span cannot overflow.
    return static_cast<std::int64_t>(std::fmod(ms, kMsPerDay)) / 100;
}

DateTime cubeTime(const Cube& c, const Clock& clock) {
    return clockSpan(c.clockStart, c.clockStop, clock);
}

DateTime totalTime(const SessionState& state, const Clock& clock) {
    const DateTime end = isStampSet(state.totalStop) ? state.totalStop : clock.now();
    return end - state.totalStart;
}

ClockFigures computeClockFigures(const SessionState& state, const SeriesStore& store,
                                 const Clock& clock) {
    ClockFigures f;
    const Cube* current = store.currentCube();
    f.cubeTime = current != nullptr ? shownTenths(cubeTime(*current, clock)) : 0;
    const DateTime total = totalTime(state, clock);
    f.totalTime = shownTenths(total);
    if (state.solved != 0)
        f.averageTime = shownTenths(total / state.solved);
    return f;
}

bool anyClockRuns(const SessionState& state, const SeriesStore& store) {
    const Cube* current = store.currentCube();
    const bool cubeClockRuns =
        current != nullptr && isStampSet(current->clockStart) && !isStampSet(current->clockStop);
    return cubeClockRuns || !isStampSet(state.totalStop);
}

LabelFigures computeLabelFigures(const SessionState& state, const SeriesStore& store) {
    LabelFigures f;
    for (SeriesId series : kAllSeries)
        f.seriesCounts[static_cast<std::size_t>(series)] = store.count(series);
    f.paused = state.paused;
    f.mistakes = state.mistakes;
    f.solved = state.solved;
    if (state.solved != 0)
        f.mistakesPercent = std::int64_t{state.mistakes} * 100 / state.solved;
    const Cube* current = store.currentCube();
    f.nextVisible = !state.paused && current != nullptr && isSolved(*current);
    return f;
}

} // namespace vexlor
