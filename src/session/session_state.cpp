#include "session_state.h"

namespace vexlor {

void resetSessionState(SessionState& state, const Clock& clock) {
    state.totalStop = clock.now();
    state.totalStart = state.totalStop;
    state.solved = 0;
    state.mistakes = 0;
    state.paused = true;
}

} // namespace vexlor
