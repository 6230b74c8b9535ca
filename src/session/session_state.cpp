#include "session_state.h"

namespace vexlor {

void resetSessionState(SessionState& state) {
    state.totalStop = now();
    state.totalStart = state.totalStop;
    state.solved = 0;
    state.mistakes = 0;
    state.paused = true;
}

} // namespace vexlor
