// The pictures of a Cube: its net in the question picture and the four
// answer cubes, coloured by how far the Cube has been solved.
#pragma once

#include "cube/cube.h"
#include "render/canvas.h"
#include "render/face.h"
#include "render/palette.h"

#include <array>

namespace vexlor {

// The five drawing surfaces: the question picture and the answer pictures in
// answer order. A null canvas is left alone.
struct Pictures {
    Canvas* question;
    Canvas* answers[kAnswers];
};

// Which highlight colour marks visible face k of the correct answer (and the
// net cell of the same cube face): markcolor[markorder[k]]. A permutation of
// 0, 1, 2, made once at start by shuffleMarks.
extern std::array<int, kVisibleFaces> markorder;

// Makes markorder from the random source; called once, right after seeding.
void shuffleMarks();

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

// Draws the cross that stands in for a missing button: two diagonals in the
// background colour over the window's colour.
void drawCross(Canvas& canvas, Color windowColor);

} // namespace vexlor
