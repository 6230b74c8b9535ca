#include "face.h"

#include "render/symbol.h"

namespace vexlor {

void drawFace(Canvas& canvas, const FaceFrame& frame, Symbol symbol, int turn, Color fill,
              Color symbolColor) {
    const Point o = frame.origin;
    const Point u = frame.edgeU;
    const Point v = frame.edgeV;
    // The first corner is passed again at the end, as for every polygon drawn.
    const Point corners[5] = {
        o, {o.x + u.x, o.y + u.y}, {o.x + u.x + v.x, o.y + u.y + v.y}, {o.x + v.x, o.y + v.y}, o};
    canvas.setBrushColor(fill);
    canvas.polygon(corners, 5);
    drawSymbol(canvas, frame, symbol, turn, fill, symbolColor);
}

} // namespace vexlor
