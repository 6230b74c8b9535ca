#include "image_canvas.h"

#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

// Device pixels for a logical length: enough to cover it whole.
int deviceLength(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-9));
}

} // namespace

ImageCanvas::ImageCanvas(int width, int height, qreal devicePixelRatio)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), brush_(qRgb(255, 255, 255)),
      pen_(qRgb(0, 0, 0)) {
    // Below 1 the logical image is kept and the screen scales it down.
    const qreal ratio = std::isfinite(devicePixelRatio) ? std::max(devicePixelRatio, 1.0) : 1.0;
    image_ =
        QImage(deviceLength(width_, ratio), deviceLength(height_, ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
}

Color ImageCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    const qreal ratio = image_.devicePixelRatio();
    const QPoint device(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    if (!image_.valid(device))
        return 0;
    return fromQRgb(image_.pixel(device));
}

void ImageCanvas::fillRect(const Rect& rect) {
    // Clipped here, in plain ints: QRect's own arithmetic overflows on
    // rectangles near the ends of the int range.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    if (right <= left || bottom <= top)
        return;
    QPainter painter(&image_);
    if (!scaled()) {
        painter.fillRect(QRect(left, top, right - left, bottom - top), QColor(brush_));
        return;
    }
    // A fill that reaches the picture's right or bottom edge reaches the
    // image's last device pixel too, which a fractional ratio leaves part
    // of a logical pixel beyond it.
    const qreal ratio = image_.devicePixelRatio();
    const qreal r = right == width_ ? image_.width() / ratio : right;
    const qreal b = bottom == height_ ? image_.height() / ratio : bottom;
    painter.fillRect(QRectF(left, top, r - left, b - top), QColor(brush_));
}

void ImageCanvas::polygon(const Point* points, int count) {
    if (points == nullptr || count <= 0 || image_.isNull())
        return;
    QPainter painter(&image_);
    if (!scaled()) {
        // Every polygon of the pictures fits on the stack.
        QVarLengthArray<QPoint, 32> polygon(count);
        for (int i = 0; i < count; ++i)
            polygon[i] = QPoint(points[i].x, points[i].y);
        painter.setPen(canvasPen(pen_, penWidth_));
        painter.setBrush(QColor(brush_));
        painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
        // Qt's 1-pixel outline can leave out the corner pixel where a slanted
        // edge starts; the outline passes through every vertex, so each is
        // also set as a point.
        painter.drawPoints(polygon.constData(), count);
        return;
    }
    QVarLengthArray<QPointF, 32> polygon(count);
    for (int i = 0; i < count; ++i)
        polygon[i] = QPointF(points[i].x, points[i].y);
    // The fill first, then the outline over it: a pen one logical pixel
    // wide straddles every edge, so no fill shows past the outline.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(brush_));
    painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
    painter.setPen(canvasPen(pen_, penWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(polygon.constData(), count, Qt::OddEvenFill);
}

void ImageCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    if (!image_.isNull()) {
        QPainter painter(&image_);
        painter.setPen(canvasPen(pen_, penWidth_));
        painter.drawLine(position_, to);
    }
    position_ = to;
}

} // namespace vexlor
