// The fixed projection of the answer cubes: each answer picture shows a cube
// from above its top front corner, three faces meeting there.
#pragma once

#include "cube/cube.h"
#include "render/canvas.h"
#include "render/face.h"

#include <array>

namespace vexlor {

// The side of the program's square answer pictures.
inline constexpr int kAnswerSide = 250;

// The length of an answer cube's edge in pixels, before it is projected.
inline constexpr double kAnswerEdge = 110.0;

// Where the answer cubes lie in their pictures. Made once for a picture size
// and never changed; whoever draws answer cubes holds one.
struct Projection {
    // The projected cube edges from the top front corner: back left, back
    // right (both going up the screen) and down.
    std::array<Point, 3> axis{};
    // The top front corner of answer a's cube in its picture.
    std::array<Point, kAnswers> origin{};
};

// Computes the axes and places each answer's cube in its square picture of
// the given side, pushed a little towards the middle of the 2 x 2 block of
// answer pictures.
Projection makeProjection(int answerWidth);

// The frame of visible face k (0 top, 1 right, 2 left) of answer a, for a in
// 0-3 and k in 0-2. The three faces share the origin, and each face's left
// side (u = 0) is the next face's top side (v = 0): the orientation rules
// rely on exactly this pairing.
FaceFrame answerFaceFrame(const Projection& projection, int a, int k);

} // namespace vexlor
