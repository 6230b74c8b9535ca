#include "symbol.h"

#include <array>

namespace vexlor {

namespace {

// A vertex in face coordinates: u along the frame's first edge, v along the
// second. On a net cell at turn 0, (0, 0) is the top left corner.
struct Vertex {
    double u, v;
};

constexpr int kMaxVertices = 20;

struct Outline {
    int count;
    std::array<Vertex, kMaxVertices> vertex;
};

// The first outline is filled with the symbol colour; a second one, where
// count is not 0, is filled with the face colour and cuts a hole.
struct Shape {
    Outline body;
    Outline hole;
};

// The shapes by symbol, as they look at turn 0 on a net cell. Symbols 0-5 look
// different at every turn, 6-11 the same after a half turn, 12-17 the same
// after any quarter turn; the generator's turn rules rely on that.
// clang-format off
constexpr std::array<Shape, kSymbolCount> kShapes = {{
    // 0 Arrow: points up, shaft 0.08 wide.
    {{7, {{{0.5, 0.1}, {0.7, 0.4}, {0.54, 0.33}, {0.54, 0.9}, {0.46, 0.9}, {0.46, 0.33},
           {0.3, 0.4}}}}, {}},
    // 1 Arrowhead: a notched triangle pointing up.
    {{4, {{{0.5, 0.1}, {0.9, 0.9}, {0.5, 0.7}, {0.1, 0.9}}}}, {}},
    // 2 Caret: an inverted V.
    {{6, {{{0.5, 0.1}, {0.9, 0.9}, {0.8, 0.9}, {0.5, 0.3}, {0.2, 0.9}, {0.1, 0.9}}}}, {}},
    // 3 DiagonalArrow: points at the top right corner.
    {{7, {{{0.9, 0.1}, {0.83, 0.45}, {0.77, 0.29}, {0.16, 0.9}, {0.1, 0.84}, {0.71, 0.23},
           {0.55, 0.17}}}}, {}},
    // 4 Tee.
    {{8, {{{0.2, 0.1}, {0.8, 0.1}, {0.8, 0.2}, {0.55, 0.2}, {0.55, 0.9}, {0.45, 0.9},
           {0.45, 0.2}, {0.2, 0.2}}}}, {}},
    // 5 CornerSquare: the top right quarter of the inner area.
    {{4, {{{0.9, 0.1}, {0.9, 0.5}, {0.5, 0.5}, {0.5, 0.1}}}}, {}},
    // 6 DoubleArrow: an arrow with a head at both ends.
    {{10, {{{0.5, 0.1}, {0.7, 0.4}, {0.54, 0.33}, {0.54, 0.67}, {0.7, 0.6}, {0.5, 0.9},
            {0.3, 0.6}, {0.46, 0.67}, {0.46, 0.33}, {0.3, 0.4}}}}, {}},
    // 7 Diamond: a tall rhombus.
    {{4, {{{0.5, 0.1}, {0.7, 0.5}, {0.5, 0.9}, {0.3, 0.5}}}}, {}},
    // 8 DiamondRing: the rhombus with a rhombic hole.
    {{4, {{{0.5, 0.1}, {0.7, 0.5}, {0.5, 0.9}, {0.3, 0.5}}}},
     {4, {{{0.5, 0.3}, {0.6, 0.5}, {0.5, 0.7}, {0.4, 0.5}}}}},
    // 9 DoubleDiagonalArrow: bottom left to top right, a head at both ends.
    {{10, {{{0.9, 0.1}, {0.83, 0.45}, {0.77, 0.29}, {0.29, 0.77}, {0.45, 0.83}, {0.1, 0.9},
            {0.17, 0.55}, {0.23, 0.71}, {0.71, 0.23}, {0.55, 0.17}}}}, {}},
    // 10 IBeam: an I with serifs.
    {{12, {{{0.2, 0.1}, {0.8, 0.1}, {0.8, 0.2}, {0.55, 0.2}, {0.55, 0.8}, {0.8, 0.8},
            {0.8, 0.9}, {0.2, 0.9}, {0.2, 0.8}, {0.45, 0.8}, {0.45, 0.2}, {0.2, 0.2}}}}, {}},
    // 11 TwoSquares: top right and bottom left quarters, one self-crossing outline.
    {{6, {{{0.9, 0.1}, {0.9, 0.5}, {0.1, 0.5}, {0.1, 0.9}, {0.5, 0.9}, {0.5, 0.1}}}}, {}},
    // 12 Plus: arms 0.08 wide.
    {{12, {{{0.54, 0.1}, {0.54, 0.46}, {0.9, 0.46}, {0.9, 0.54}, {0.54, 0.54}, {0.54, 0.9},
            {0.46, 0.9}, {0.46, 0.54}, {0.1, 0.54}, {0.1, 0.46}, {0.46, 0.46}, {0.46, 0.1}}}},
     {}},
    // 13 CrossPattee: four arms narrowing towards a small central square.
    {{12, {{{0.7, 0.1}, {0.54, 0.46}, {0.9, 0.3}, {0.9, 0.7}, {0.54, 0.54}, {0.7, 0.9},
            {0.3, 0.9}, {0.46, 0.54}, {0.1, 0.7}, {0.1, 0.3}, {0.46, 0.46}, {0.3, 0.1}}}}, {}},
    // 14 SquareRing: a square frame.
    {{4, {{{0.7, 0.3}, {0.7, 0.7}, {0.3, 0.7}, {0.3, 0.3}}}},
     {4, {{{0.62, 0.38}, {0.62, 0.62}, {0.38, 0.62}, {0.38, 0.38}}}}},
    // 15 Star: four points in the corners.
    {{8, {{{0.9, 0.1}, {0.7, 0.5}, {0.9, 0.9}, {0.5, 0.7}, {0.1, 0.9}, {0.3, 0.5},
           {0.1, 0.1}, {0.5, 0.3}}}}, {}},
    // 16 Window: one self-crossing outline; the even-odd fill leaves a frame
    // with a central cross and four square openings.
    {{20, {{{0.2, 0.1}, {0.8, 0.1}, {0.8, 0.45}, {0.55, 0.45}, {0.55, 0.2},
            {0.9, 0.2}, {0.9, 0.8}, {0.55, 0.8}, {0.55, 0.55}, {0.8, 0.55},
            {0.8, 0.9}, {0.2, 0.9}, {0.2, 0.55}, {0.45, 0.55}, {0.45, 0.8},
            {0.1, 0.8}, {0.1, 0.2}, {0.45, 0.2}, {0.45, 0.45}, {0.2, 0.45}}}}, {}},
    // 17 Square.
    {{4, {{{0.7, 0.3}, {0.7, 0.7}, {0.3, 0.7}, {0.3, 0.3}}}}, {}},
}};
// clang-format on

// Maps one outline through the frame and draws it, its first vertex passed
// again at the end. The points live on the stack: drawing allocates nothing.
void drawOutline(Canvas& canvas, const FaceFrame& frame, const Outline& outline) {
    std::array<Point, 30> points;
    static_assert(kMaxVertices + 1 <= static_cast<int>(points.size()));
    for (int i = 0; i < outline.count; ++i)
        points[i] = facePoint(frame, outline.vertex[i].u, outline.vertex[i].v);
    points[outline.count] = points[0];
    canvas.polygon(points.data(), outline.count + 1);
}

} // namespace

Point facePoint(const FaceFrame& frame, double u, double v) {
    const double x = (frame.edgeU.x * u + frame.origin.x) + frame.edgeV.x * v;
    const double y = (frame.edgeU.y * u + frame.origin.y) + frame.edgeV.y * v;
    return {static_cast<int>(x), static_cast<int>(y)};
}

void drawSymbol(Canvas& canvas, FaceFrame frame, Symbol symbol, int turn, Color fill,
                Color symbolColor) {
    // Each quarter turn moves the origin to the old (1, 0) corner and turns
    // both edges: a point (u, v) of the turned frame lands on (1 - v, u).
    const int quarters = (turn % 4 + 4) % 4;
    for (int q = 0; q < quarters; ++q) {
        frame.origin = {frame.origin.x + frame.edgeU.x, frame.origin.y + frame.edgeU.y};
        frame = {frame.origin, frame.edgeV, {-frame.edgeU.x, -frame.edgeU.y}};
    }
    canvas.setBrushColor(symbolColor);
    if (symbol < 0 || symbol >= kSymbolCount)
        return;
    const Shape& shape = kShapes[symbol];
    drawOutline(canvas, frame, shape.body);
    if (shape.hole.count > 0) {
        canvas.setBrushColor(fill);
        drawOutline(canvas, frame, shape.hole);
    }
}

} // namespace vexlor
