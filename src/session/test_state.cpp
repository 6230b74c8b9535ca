#include "test_state.h"

namespace vexlor {

void ResetTestState(TestState& state) {
    state.totalStop = Now();
    state.totalStart = state.totalStop;
    state.solved = 0;
    state.mistakes = 0;
    state.paused = true;
}

} // namespace vexlor
