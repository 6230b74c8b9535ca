#include "test_state.h"

namespace vexlor {

void ResetTestState(TestState& state) {
    state.totstop = Now();
    state.totstart = state.totstop;
    state.nsolved = 0;
    state.nmistakes = 0;
    state.paused = 1;
}

TestState& TheTest() {
    static TestState state;
    return state;
}

} // namespace vexlor
