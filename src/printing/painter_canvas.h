// The canvas over any QPainter: the pictures drawn as shapes onto whatever
// the painter paints on, such as a PDF page, where they stay sharp at any
// zoom.
#pragma once

#include "render/canvas.h"

#include <QPoint>
#include <QRgb>
#include <QSize>

class QPainter;

namespace vexlor {

// A canvas of the given size in the painter's current coordinates: the
// caller places and scales it with the painter's transform before making
// it. Nothing drawn leaves that area (a fill larger than the picture, a net
// placed off it by a damaged file). Pen widths are in canvas units, so
// outlines scale with the picture. Draws without antialiasing, as
// ImageCanvas does. The painter's state is restored when the canvas goes.
class PainterCanvas final : public Canvas {
public:
    PainterCanvas(QPainter& painter, QSize size);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }

    void setBrushColor(Color color) override;
    void setPenColor(Color color) override;
    void setPenWidth(int width) override { penWidth_ = width; }

    void fillRect(const Rect& rect) override;
    void polygon(const Point* points, int count) override;
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;

private:
    QPainter& painter_;
    QSize size_;
    QRgb brush_;
    QRgb pen_;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace vexlor
