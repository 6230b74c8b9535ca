// The net folding up into the cube, drawn with the program's own faces and
// symbols: each face a parallelogram of a parallel projection, the faces
// drawn from the farthest to the nearest.
#pragma once

#include "cube/answer_fit.h"
#include "cube/cube.h"
#include "cube/fold.h"
#include "render/canvas.h"
#include "render/face.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <array>
#include <cstdint>

namespace vexlor {

// How a fold is looked at: turned by `turn` about its fold centre, which lies
// at (centreX, centreY) of the canvas, a cube edge `edge` pixels long. With
// no turn the net lies flat as the question picture shows it.
struct FoldCamera {
    Rotation turn;
    double centreX = 250;
    double centreY = 250;
    double edge = 90;
};

// The camera that shows the closed cube as answer a's picture (of a
// projection's size) shows the view (face, edge): the same turn, size and
// place, so that the faces cover the answer's faces.
FoldCamera answerCamera(const NetFold& fold, int face, int edge, const Projection& projection,
                        int a);

// One face of the fold as the camera sees it.
struct SeenFace {
    std::int8_t face = -1;
    FaceFrame frame{};   // on the canvas; the symbol lies in it as in the face's net cell
    int symbolTurn = 0;  // the cell's turn plus the face's symbol turn
    double depth = 0;    // of the face's middle, in edges; the larger, the farther
    bool outside = true; // the printed side faces the viewer
    // How the face is lit, -1 to 1: 1 facing up as an answer's top face,
    // -1 facing right as its right face, 0 facing left as its left face.
    double light = 0;
};

// The faces of the fold at time t (0 flat, 1 closed) as the camera sees
// them, the farthest first; `count` of them, the faces the net holds.
struct SeenFold {
    std::array<SeenFace, kFaces> faces{};
    int count = 0;
};
SeenFold seeFold(const Cube& c, const NetFold& fold, double t, const FoldCamera& camera);

struct FoldStyle {
    PictureColors colors = kScreenColors;
    MarkOrder markOrder = kUnshuffledMarks;
    // The correct answer's three faces in their highlight colours, as in the
    // solved net and answer.
    bool solved = false;
    // Cube faces outlined as faces that differ are, where their printed
    // side is seen.
    std::array<bool, kFaces> outlined{};
};

// Blanks the canvas and draws the fold at time t. A face whose printed side
// is turned away shows its bare back, a little darker than a face.
void drawFold(Canvas& canvas, const Cube& c, const NetFold& fold, double t,
              const FoldCamera& camera, const FoldStyle& style = {});

// The outline that marks a face in which two pictures differ: a wide line in
// the colour of a wrong pick. The pen is black and 1 pixel wide again after.
inline constexpr Color kOutlineColor = kWrongColor;
inline constexpr int kOutlineWidth = 5;
void outlineFace(Canvas& canvas, const FaceFrame& frame);

// Outlines the visible faces of answer a's picture (of a projection's size)
// that differ from the folded cube in fit.
void outlineDifferingFaces(Canvas& canvas, const Projection& projection, int a,
                           const AnswerFit& fit);

// c + amount * shade on each channel, rounded and kept within 0-255: the
// answer cubes' shading, for any amount from -1 (the right face) to 1 (the
// top face).
Color shaded(Color c, Color shade, double amount);

} // namespace vexlor
