#include "cube.h"

namespace vexlor {

bool isSolved(const Cube& c) {
    return hasValidCorrectAnswer(c) && c.picked[c.correctAnswer] != 0;
}

} // namespace vexlor
