// The drawing surface every picture is drawn on: a persistent bitmap with a
// brush and a pen. The render code sees only this interface, so it runs the
// same in the window, in a command-line tool and in tests.
#pragma once

#include <cstdint>

namespace vexlor {

// A colour as 0xRRGGBB: Qt's QRgb without its alpha byte.
using Color = std::uint32_t;

struct Point {
    int x, y;

    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// Left and top are inside the rectangle, right and bottom just outside it.
struct Rect {
    int left, top, right, bottom;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Brush, pen colour and pen width stay set until changed. A new canvas has a
// solid black pen 1 pixel wide.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setBrushColor(Color color) = 0;
    virtual void setPenColor(Color color) = 0;
    virtual void setPenWidth(int width) = 0;

    // Fills with the brush; whatever lies outside the bitmap is clipped.
    virtual void fillRect(const Rect& rect) = 0;

    // Fills with the brush by the even-odd rule and outlines with the pen.
    virtual void polygon(const Point* points, int count) = 0;

    // A line in the pen colour and width from the current position.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

protected:
    Canvas() = default;
    Canvas(const Canvas&) = default;
    Canvas& operator=(const Canvas&) = default;
};

} // namespace vexlor
