// The one primitive every picture is made of: a face, a parallelogram filled
// with a colour, outlined with the pen, and carrying one symbol.
#pragma once

#include "cube/cube.h"
#include "render/canvas.h"

namespace vexlor {

// A parallelogram in canvas pixels. Face coordinates (u, v) run from 0 to 1:
// (0, 0) lies at origin, (1, 0) at origin + edgeU, (0, 1) at origin + edgeV.
// Every frame the program draws has the screen's handedness (edgeU turned a
// quarter clockwise points along edgeV), so a symbol turned a quarter turn
// in face coordinates turns a quarter clockwise as the user sees it.
struct FaceFrame {
    Point origin;
    Point edgeU;
    Point edgeV;
};

// Fills the face with fill, outlines it, and draws the symbol of symbol at turn
// on it: the symbol in symbolColor, its holes in fill. A symbol outside 0-17
// leaves the face bare. The brush stays at the last colour the symbol set.
void drawFace(Canvas& canvas, const FaceFrame& frame, Symbol symbol, int turn, Color fill,
              Color symbolColor);

} // namespace vexlor
