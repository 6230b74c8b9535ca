#include "image_canvas.h"

#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>

namespace vexlor {

ImageCanvas::ImageCanvas(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32),
      brush_(qRgb(255, 255, 255)), pen_(qRgb(0, 0, 0)) {
    image_.fill(Qt::white);
}

Color ImageCanvas::Pixel(int x, int y) const {
    if (!image_.valid(x, y))
        return 0;
    return FromQRgb(image_.pixel(x, y));
}

void ImageCanvas::FillRect(const Rect& rect) {
    // Clipped here, in plain ints: QRect's own arithmetic overflows on
    // rectangles near the ends of the int range.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, image_.width());
    const int bottom = std::min(rect.bottom, image_.height());
    if (right <= left || bottom <= top)
        return;
    QPainter painter(&image_);
    painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(brush_));
}

void ImageCanvas::Polygon(const Point* points, int count) {
    if (points == nullptr || count <= 0 || image_.isNull())
        return;
    // Every polygon of the pictures fits on the stack.
    QVarLengthArray<QPoint, 32> polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = QPoint(points[i].x, points[i].y);
    QPainter painter(&image_);
    painter.setPen(CanvasPen(pen_, penWidth_));
    painter.setBrush(QColor(brush_));
    painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
    // Qt's 1-pixel outline can leave out the corner pixel where a slanted
    // edge starts; the outline passes through every vertex, so each is also
    // set as a point.
    painter.drawPoints(polygon.constData(), count);
}

void ImageCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    if (!image_.isNull()) {
        QPainter painter(&image_);
        painter.setPen(CanvasPen(pen_, penWidth_));
        painter.drawLine(position_, to);
    }
    position_ = to;
}

} // namespace vexlor
