#include "image_canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vexlor {

namespace {

// Below 1 the logical image is kept and the screen scales it down.
qreal usableRatio(qreal ratio) {
    return std::isfinite(ratio) ? std::max(ratio, 1.0) : 1.0;
}

// Device pixels for a logical length: enough to cover it whole.
int deviceLength(int logical, qreal ratio) {
    return static_cast<int>(std::ceil(logical * ratio - 1e-9));
}

} // namespace

ImageCanvas::ImageCanvas(int width, int height, qreal devicePixelRatio)
    : QtCanvas(QSize(width, height),
               usableRatio(devicePixelRatio) != 1.0 ? Pixels::Finer : Pixels::OnePerUnit) {
    const qreal ratio = usableRatio(devicePixelRatio);
    image_ = QImage(deviceLength(this->width(), ratio), deviceLength(this->height(), ratio),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::white);
}

Color ImageCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return 0;
    const qreal ratio = image_.devicePixelRatio();
    const QPoint device(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    if (!image_.valid(device))
        return 0;
    return fromQRgb(image_.pixel(device));
}

void ImageCanvas::paint(const std::function<void(QPainter&)>& draw) {
    if (image_.isNull())
        return;
    QPainter painter(&image_);
    draw(painter);
}

} // namespace vexlor
