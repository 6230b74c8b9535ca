#include "painter_canvas.h"

#include "printing/canvas_style.h"

#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>

namespace vexlor {

PainterCanvas::PainterCanvas(QPainter& painter, QSize size)
    : painter_(painter), size_(size.expandedTo(QSize(0, 0))), brush_(qRgb(255, 255, 255)),
      pen_(qRgb(0, 0, 0)) {
    painter_.save();
    painter_.setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

PainterCanvas::~PainterCanvas() {
    painter_.restore();
}

void PainterCanvas::setBrushColor(Color color) {
    brush_ = toQRgb(color);
}

void PainterCanvas::setPenColor(Color color) {
    pen_ = toQRgb(color);
}

void PainterCanvas::fillRect(const Rect& rect) {
    // Clipped here, in plain ints, as ImageCanvas does: QRect's own
    // arithmetic overflows near the ends of the int range.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, size_.width());
    const int bottom = std::min(rect.bottom, size_.height());
    if (right <= left || bottom <= top)
        return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), QColor(brush_));
}

void PainterCanvas::polygon(const Point* points, int count) {
    if (points == nullptr || count <= 0)
        return;
    QVarLengthArray<QPoint, 32> polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = QPoint(points[i].x, points[i].y);
    painter_.setPen(canvasPen(pen_, penWidth_));
    painter_.setBrush(QColor(brush_));
    painter_.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
}

void PainterCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.setPen(canvasPen(pen_, penWidth_));
    painter_.drawLine(position_, to);
    position_ = to;
}

} // namespace vexlor
