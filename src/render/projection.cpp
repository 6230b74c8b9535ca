#include "projection.h"

#include "cube/fold.h"

#include <cmath>

namespace vexlor {

Projection makeProjection(int answerWidth) {
    // A cube of edge L seen turned by alpha about the vertical and tilted by
    // beta towards the viewer. Truncated toward zero, not rounded.
    constexpr double alpha = kAnswerViewTurn;
    constexpr double beta = kAnswerViewTilt;
    constexpr double L = kAnswerEdge;
    Projection projection;
    auto& axis = projection.axis;
    axis[0] = {static_cast<int>(std::cos(alpha) * -L),
               static_cast<int>(std::sin(alpha) * -L * std::sin(beta))};
    axis[1] = {static_cast<int>(std::sin(alpha) * L),
               static_cast<int>(std::cos(alpha) * -L * std::sin(beta))};
    axis[2] = {0, static_cast<int>(std::cos(beta) * L)};

    // Centre the cube's bounding box in the picture, then push it a sixth of
    // the free room towards the block's centre.
    const int h = answerWidth / 2;
    const int cx = h - (axis[0].x + axis[1].x) / 2;
    const int cy = h - (axis[0].y + axis[1].y + axis[2].y) / 2;
    const int dx = (2 * h + axis[0].x - axis[1].x) / 6;
    const int dy = (2 * h + axis[0].y + axis[1].y - axis[2].y) / 6;
    for (int a = 0; a < kAnswers; ++a) {
        const int sx = a % 2 == 0 ? 1 : -1;
        const int sy = a < 2 ? 1 : -1;
        projection.origin[a] = {cx + sx * dx, cy + sy * dy};
    }
    return projection;
}

FaceFrame answerFaceFrame(const Projection& projection, int a, int k) {
    return {projection.origin[a], projection.axis[k], projection.axis[(k + 1) % 3]};
}

} // namespace vexlor
