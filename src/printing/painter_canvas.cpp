#include "painter_canvas.h"

#include <QPainter>

namespace vexlor {

PainterCanvas::PainterCanvas(QPainter& painter, QSize size)
    : QtCanvas(size, Pixels::AsPainted), painter_(painter) {
    painter_.save();
    painter_.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

PainterCanvas::~PainterCanvas() {
    painter_.restore();
}

} // namespace vexlor
