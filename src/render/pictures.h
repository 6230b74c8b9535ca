// The pictures of a Cube: its net in the question picture and the four
// answer cubes, coloured by how far the Cube has been solved.
#pragma once

#include "cube/cube.h"
#include "cube/random.h"
#include "render/canvas.h"
#include "render/face.h"
#include "render/palette.h"
#include "render/projection.h"

#include <array>

namespace vexlor {

// Which highlight colour marks visible face k of the correct answer (and the
// net cell of the same cube face): kHighlightColors[order[k]]. A permutation of 0, 1,
// 2, fixed for a run, so that the top face is always lit in the same colour.
using MarkOrder = std::array<int, kVisibleFaces>;

// The order of the palette itself, for pictures drawn outside a run.
inline constexpr MarkOrder kUnshuffledMarks = {0, 1, 2};

// A mark order made by drawing from the random source. A run makes its one
// order right after seeding, so that it takes the first numbers drawn.
MarkOrder shuffledMarks(RandomSource& randomSource);

// The five drawing surfaces, the question picture and the answer pictures in
// answer order, with how the answer cubes lie in theirs and the run's
// highlight colours. A null canvas is left alone.
struct Pictures {
    Canvas* question = nullptr;
    Canvas* answers[kAnswers] = {};
    Projection projection = makeProjection(kAnswerSide);
    MarkOrder markOrder = kUnshuffledMarks;
};

// Where grid cell (0, 0) of the net lies, so that the box of the occupied
// cells (`netBounds`) is centred in a picture of the given size.
Point netOrigin(const Cube& c, int width, int height);

// The 90 x 90 frame of net cell (column, row) for a grid at netOrigin.
FaceFrame netCellFrame(Point netOrigin, int column, int row);

// Draws the net of c into the question picture, blanking it first when clear
// is set. Once the Cube is solved, the three cells showing the correct
// answer's faces are highlighted. Cells whose face is not 0-5 are skipped.
void drawNet(const Pictures& pictures, const Cube& c, bool clear,
             const PictureColors& colors = kScreenColors);

// Draws answer cube a (0-3) of c over its picture, which it never blanks:
// the three faces always cover the same pixels. Other answer numbers draw
// nothing.
void drawAnswer(const Pictures& pictures, const Cube& c, int a,
                const PictureColors& colors = kScreenColors);

// Fills the four answer pictures and then the question picture with the
// background colour.
void clearPictures(const Pictures& pictures, const PictureColors& colors = kScreenColors);

// A frame of the given thickness along the edges of the whole picture: how
// an exam marks the answer chosen without telling whether it is right.
void drawFrame(Canvas& canvas, Color color, int thickness);

// Draws the cross that stands in for a missing button: two diagonals in the
// background colour over the window's colour.
void drawCross(Canvas& canvas, Color windowColor);

} // namespace vexlor
