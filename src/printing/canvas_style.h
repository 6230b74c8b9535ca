// How the canvas's colours and pens look in Qt, shared by every canvas over
// Qt (a QImage, any QPainter) so that all of them draw alike.
#pragma once

#include "render/canvas.h"

#include <QColor>
#include <QPen>

namespace vexlor {

// A canvas colour is Qt's RGB without the alpha byte: opaque on the way in,
// dropped on the way out.
constexpr QRgb toQRgb(Color color) {
    return 0xFF000000u | color;
}
constexpr Color fromQRgb(QRgb rgb) {
    return rgb & 0xFFFFFFu;
}

// A solid pen of the given colour and width (at least 1) in canvas units,
// with round ends and joins.
QPen canvasPen(QRgb color, int width);

} // namespace vexlor
