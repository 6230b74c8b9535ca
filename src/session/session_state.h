// The state of the test the user takes: whether it runs, what was solved and
// missed since the last reset, and the total clock.
#pragma once

#include "time/clock.h"

namespace vexlor {

struct SessionState {
    bool paused = true;        // the test does not run
    int solved = 0;            // Cubes solved since the last reset
    int mistakes = 0;          // first picks of wrong answers since the last reset
    DateTime totalStart = 0.0; // the total time counts from here, moved over every stop
    DateTime totalStop = 0.0;  // when the total clock stopped; 0 while it runs
};

// The state part of a reset after the series changed: total time 0 with the
// total clock stopped, statistics 0, test paused. The Cubes' clocks and the
// series are not touched. The window then blanks the pictures and refreshes
// the labels.
void resetSessionState(SessionState& state, const Clock& clock);

} // namespace vexlor
