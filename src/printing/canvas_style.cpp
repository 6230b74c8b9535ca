#include "canvas_style.h"

#include <algorithm>

namespace vexlor {

QRgb toQRgb(Color color) {
    return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

Color fromQRgb(QRgb rgb) {
    return static_cast<Color>(qRed(rgb)) | static_cast<Color>(qGreen(rgb)) << 8 |
           static_cast<Color>(qBlue(rgb)) << 16;
}

QPen canvasPen(QRgb color, int width) {
    // Round ends, as a wide pen's lines end on the platforms this program
    // was first drawn on; a 1-pixel line looks the same with any cap.
    return QPen(QColor(color), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace vexlor
