#include "cube_node.h"

namespace vexlor {

void CopyCube(CubeNode& dst, const CubeNode& src) {
    CubeNode* const link = dst.link;
    dst = src;
    dst.link = link;
}

bool IsSolved(const CubeNode& c) {
    return HasValidCorrect(c) && c.chosen[c.correct] != 0;
}

} // namespace vexlor
