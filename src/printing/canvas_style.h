// How the canvas's colours, pens and shapes look in Qt, shared by every
// canvas over Qt (a QImage, any QPainter) so that all of them draw alike.
#pragma once

#include "render/canvas.h"

#include <QColor>
#include <QPoint>
#include <QSize>

#include <functional>

class QPainter;

namespace vexlor {

// A canvas colour is Qt's RGB without the alpha byte: opaque on the way in,
// dropped on the way out.
constexpr QRgb toQRgb(Color color) {
    return 0xFF000000u | color;
}
constexpr Color fromQRgb(QRgb rgb) {
    return rgb & 0xFFFFFFu;
}

// A canvas over a Qt surface: it keeps the brush, the pen and the current
// position, and draws every fill, polygon and line through a QPainter that
// the surface lends for the one shape. Coordinates and sizes are in canvas
// units; nothing is antialiased, so fills and 1-pixel outlines have crisp
// edges in exactly the colours asked for.
class QtCanvas : public Canvas {
public:
    int width() const final { return size_.width(); }
    int height() const final { return size_.height(); }

    void setBrushColor(Color color) final { brush_ = color; }
    void setPenColor(Color color) final { pen_ = color; }
    void setPenWidth(int width) final { penWidth_ = width; }

    void fillRect(const Rect& rect) final;
    void polygon(const Point* points, int count) final;
    void moveTo(int x, int y) final { position_ = {x, y}; }
    void lineTo(int x, int y) final;

protected:
    // What the surface's pixels are to the canvas's units.
    enum class Pixels {
        // Unknown: whatever the painter paints on and however it scales
        // (a PDF page). Shapes go to the painter as they are.
        AsPainted,
        // One pixel of a raster image to a unit. Qt's 1-pixel outline can
        // leave out the corner pixel where a slanted edge starts; the
        // outline passes through every vertex, so each is also set.
        OnePerUnit,
        // More device pixels than units, maybe not a whole number more.
        // A pen one unit wide straddles every edge, so the fill goes first
        // and the outline over it: no fill shows past the outline.
        Finer,
    };

    // A canvas of the given size (a negative side counts as 0), with a
    // white brush and a solid black pen 1 unit wide.
    QtCanvas(QSize size, Pixels pixels);

    // Runs draw with a painter on the surface, or nothing where there is no
    // surface to draw on.
    virtual void paint(const std::function<void(QPainter&)>& draw) = 0;

    // The surface's size in units. With Finer pixels it may end a fraction
    // of a unit beyond the canvas: a fill that reaches the canvas's right or
    // bottom edge goes on to the surface's, so that no device pixel is left
    // out.
    virtual QSizeF surfaceSize() const { return QSizeF(size_); }

private:
    QSize size_;
    Pixels pixels_;
    Color brush_ = 0xFFFFFF;
    Color pen_ = 0x000000;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace vexlor
