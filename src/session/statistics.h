// The texts of the Statistics panel and of the count labels, computed from
// the test state, the series store and the clock. The window writes them into
// its labels; nothing here changes any state.
#pragma once

#include "series/series_store.h"
#include "session_state.h"
#include "time/clock.h"

#include <array>
#include <string>

namespace vexlor {

// A span in whole seconds and tenths ("3725.9"): whole days dropped, the sign
// dropped, tenths cut rather than rounded. A span that is not a finite number
// (only possible from a damaged file) shows as "0.0".
std::string formatSeconds(DateTime span);

// Time on a Cube's clock: its stop (or now, while it runs) minus its start;
// 0 for a Cube never shown.
DateTime cubeTime(const Cube& c, const Clock& clock);

// Time on the total clock: its stop (or now, while it runs) minus its start.
DateTime totalTime(const SessionState& state, const Clock& clock);

// What the 10 ms timer writes.
struct TimerTexts {
    std::string cubeTime;    // current Cube time, "0.0" without a current Cube
    std::string totalTime;   // total time
    std::string averageTime; // total time per solved Cube, "++" before the first
};
TimerTexts computeTimerTexts(const SessionState& state, const SeriesStore& store,
                             const Clock& clock);

// True while the total clock or the current Cube's clock runs: only then can
// the timer's texts change from one tick to the next.
bool anyClockRuns(const SessionState& state, const SeriesStore& store);

// What a refresh of the labels writes.
struct LabelTexts {
    std::array<std::string, kSeriesCount> seriesCounts; // in SeriesId order
    std::string startPause;                             // "Start" while paused, else "Pause"
    std::string mistakes;                               // mistakes
    std::string solved;                                 // solved Cubes
    std::string mistakesPerCube; // per 100 solved Cubes, "75%"; "++" before the first
    bool nextVisible = false;    // the test runs and the current Cube is solved
};
LabelTexts computeLabelTexts(const SessionState& state, const SeriesStore& store);

} // namespace vexlor
