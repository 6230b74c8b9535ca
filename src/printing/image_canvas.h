// The canvas over a persistent QImage: what the window's pictures and the
// command-line tools draw into.
#pragma once

#include "printing/canvas_style.h"
#include "render/canvas.h"

#include <QColor>
#include <QImage>
#include <QPoint>

namespace vexlor {

// Draws without antialiasing: fills and 1-pixel outlines have crisp edges
// in exactly the colours asked for. A new image is white.
//
// Drawing coordinates, width() and height() are logical pixels. On a screen
// of device pixel ratio r above 1 the image has r times the pixels each way
// (and that ratio set), so edges step by one device pixel while everything
// keeps its logical place and size; at ratio 1 it is the plain image.
class ImageCanvas final : public Canvas {
public:
    ImageCanvas(int width, int height, qreal devicePixelRatio = 1.0);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    // The colour of the logical pixel at x, y (of its top left device pixel);
    // 0 outside the image.
    Color pixel(int x, int y) const;

    int width() const override { return width_; }
    int height() const override { return height_; }

    void setBrushColor(Color color) override { brush_ = toQRgb(color); }
    void setPenColor(Color color) override { pen_ = toQRgb(color); }
    void setPenWidth(int width) override { penWidth_ = width; }

    void fillRect(const Rect& rect) override;
    void polygon(const Point* points, int count) override;
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;

private:
    bool scaled() const { return image_.devicePixelRatio() != 1.0; }

    int width_;
    int height_;
    QImage image_;
    QRgb brush_;
    QRgb pen_;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace vexlor
