#include "canvas_style.h"

#include <QPainter>
#include <QPen>
#include <QVarLengthArray>

#include <algorithm>

namespace vexlor {

namespace {

// A solid pen of the given colour and width (at least 1) in canvas units.
QPen canvasPen(Color color, int width) {
    // Round ends, as a wide pen's lines end on the platforms this program
    // was first drawn on; a 1-pixel line looks the same with any cap.
    return QPen(QColor(color), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

QtCanvas::QtCanvas(QSize size, Pixels pixels)
    : size_(size.expandedTo(QSize(0, 0))), pixels_(pixels) {}

void QtCanvas::fillRect(const Rect& rect) {
    // Clipped here, in plain ints: QRect's own arithmetic overflows on
    // rectangles near the ends of the int range.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width());
    const int bottom = std::min(rect.bottom, height());
    if (right <= left || bottom <= top)
        return;
    paint([&](QPainter& painter) {
        if (pixels_ != Pixels::Finer) {
            painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(brush_));
            return;
        }
        const QSizeF surface = surfaceSize();
        const qreal r = right == width() ? surface.width() : right;
        const qreal b = bottom == height() ? surface.height() : bottom;
        painter.fillRect(QRectF(left, top, r - left, b - top), QColor(brush_));
    });
}

void QtCanvas::polygon(const Point* points, int count) {
    if (points == nullptr || count <= 0)
        return;
    paint([&](QPainter& painter) {
        if (pixels_ == Pixels::Finer) {
            QVarLengthArray<QPointF, 32> polygon(count);
            for (int i = 0; i < count; ++i)
                polygon[i] = QPointF(points[i].x, points[i].y);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(brush_));
            painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
            painter.setPen(canvasPen(pen_, penWidth_));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
            return;
        }
        // Every polygon of the pictures fits on the stack.
        QVarLengthArray<QPoint, 32> polygon(count);
        for (int i = 0; i < count; ++i)
            polygon[i] = QPoint(points[i].x, points[i].y);
        painter.setPen(canvasPen(pen_, penWidth_));
        painter.setBrush(QColor(brush_));
        painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
        if (pixels_ == Pixels::OnePerUnit)
            painter.drawPoints(polygon.constData(), count);
    });
}

void QtCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    paint([&](QPainter& painter) {
        painter.setPen(canvasPen(pen_, penWidth_));
        painter.drawLine(position_, to);
    });
    position_ = to;
}

} // namespace vexlor
