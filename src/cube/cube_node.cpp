#include "cube_node.h"

namespace vexlor {

bool IsSolved(const CubeNode& c) {
    return HasValidCorrect(c) && c.chosen[c.correct] != 0;
}

} // namespace vexlor
