// The canvas over any QPainter: the pictures drawn as shapes onto whatever
// the painter paints on, such as a PDF page, where they stay sharp at any
// zoom.
#pragma once

#include "printing/canvas_style.h"

namespace vexlor {

// A canvas of the given size in the painter's current coordinates: the
// caller places and scales it with the painter's transform before making
// it. Nothing drawn leaves that area (a fill larger than the picture, a net
// placed off it by a damaged file). Pen widths are in canvas units, so
// outlines scale with the picture. The painter's state is restored when the
// canvas goes.
class PainterCanvas final : public QtCanvas {
public:
    PainterCanvas(QPainter& painter, QSize size);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

private:
    void paint(const std::function<void(QPainter&)>& draw) override { draw(painter_); }

    QPainter& painter_;
};

} // namespace vexlor
