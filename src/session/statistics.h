// The figures of the Statistics panel and of the count labels, computed from
// the test state, the series store and the clock, as numbers and states: the
// window writes them in the user's language. Nothing here changes any state.
#pragma once

#include "series/series_store.h"
#include "session_state.h"
#include "time/clock.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vexlor {

// A span as the panel shows it, counted in tenths of a second (3725.9 s is
// 37259): whole days dropped, the sign dropped, tenths cut rather than
// rounded. A span that is not a finite number (only possible from a damaged
// file) shows as 0.
std::int64_t shownTenths(DateTime span);

// Time on a Cube's clock: its stop (or now, while it runs) minus its start;
// 0 for a Cube never shown.
DateTime cubeTime(const Cube& c, const Clock& clock);

// Time on the total clock: its stop (or now, while it runs) minus its start.
DateTime totalTime(const SessionState& state, const Clock& clock);

// What the 10 ms timer shows, in tenths of a second.
struct ClockFigures {
    std::int64_t cubeTime = 0;  // the current Cube's, 0 without a current Cube
    std::int64_t totalTime = 0; // the total clock's
    // The total time per solved Cube, the exact span divided; none before
    // the first solve.
    std::optional<std::int64_t> averageTime;
};
ClockFigures computeClockFigures(const SessionState& state, const SeriesStore& store,
                                 const Clock& clock);

// True while the total clock or the current Cube's clock runs: only then can
// the timer's figures change from one tick to the next.
bool anyClockRuns(const SessionState& state, const SeriesStore& store);

// What a refresh of the labels shows.
struct LabelFigures {
    std::array<int, kSeriesCount> seriesCounts{}; // in SeriesId order
    bool paused = true;                           // Start is offered; else Pause
    int mistakes = 0;
    int solved = 0;
    // Mistakes per 100 solved Cubes, cut to a whole number; none before the
    // first solve.
    std::optional<std::int64_t> mistakesPercent;
    bool nextVisible = false; // the test runs and the current Cube is solved
};
LabelFigures computeLabelFigures(const SessionState& state, const SeriesStore& store);

} // namespace vexlor
