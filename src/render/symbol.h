// The 18 symbol shapes and how one of them is drawn into a face.
#pragma once

#include "cube/cube.h"
#include "render/canvas.h"
#include "render/face.h"

namespace vexlor {

// The pixel at face coordinates (u, v) of frame. Formed in floating point in a
// fixed order and truncated toward zero, never rounded, so the same inputs
// always land on the same pixel.
Point facePoint(const FaceFrame& frame, double u, double v);

// Draws the symbol of symbol into frame, turned clockwise by turn quarter turns
// (any integer; only its value modulo 4 counts). The symbol is filled with
// symbolColor and outlined with the pen; the holes of the two ring shapes are
// filled with fill, the face's own colour. The brush is set to symbolColor
// even when symbol lies outside 0-17, which then draws nothing.
void drawSymbol(Canvas& canvas, FaceFrame frame, Symbol symbol, int turn, Color fill,
                Color symbolColor);

} // namespace vexlor
