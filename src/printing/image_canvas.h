// The canvas over a persistent QImage: what the window's pictures and the
// command-line tools draw into.
#pragma once

#include "printing/canvas_style.h"

#include <QImage>

namespace vexlor {

// A new image is white.
//
// Drawing coordinates, width() and height() are logical pixels. On a screen
// of device pixel ratio r above 1 the image has r times the pixels each way
// (and that ratio set), so edges step by one device pixel while everything
// keeps its logical place and size; at ratio 1 it is the plain image.
class ImageCanvas final : public QtCanvas {
public:
    ImageCanvas(int width, int height, qreal devicePixelRatio = 1.0);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    // The colour of the logical pixel at x, y (of its top left device pixel);
    // 0 outside the image.
    Color pixel(int x, int y) const;

private:
    void paint(const std::function<void(QPainter&)>& draw) override;
    QSizeF surfaceSize() const override { return image_.deviceIndependentSize(); }

    QImage image_;
};

} // namespace vexlor
