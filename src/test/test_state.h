// The state of the test the user takes: whether it runs, what was solved and
// missed since the last reset, and the total clock.
#pragma once

#include "clock.h"

namespace vexlor {

struct TestState {
    int paused = 1;          // 1 while the test does not run
    int nsolved = 0;         // Cubes solved since the last reset
    int nmistakes = 0;       // first picks of wrong answers since the last reset
    DateTime totstart = 0.0; // the total time counts from here, moved over every stop
    DateTime totstop = 0.0;  // when the total clock stopped; 0 while it runs
};

// The state part of a reset after the series changed: total time 0 with the
// total clock stopped, statistics 0, test paused. The Cubes' clocks and the
// series are not touched. The window then blanks the pictures and refreshes
// the labels.
void ResetTestState(TestState& state);

// The program's one test state, living for the whole run.
TestState& TheTest();

} // namespace vexlor
