// How the canvas's colours and pens look in Qt, shared by every canvas over
// Qt (a QImage, any QPainter) so that all of them draw alike.
#pragma once

#include "render/canvas.h"

#include <QColor>
#include <QPen>

namespace vexlor {

// 0x00BBGGRR to Qt's RGB and back.
QRgb toQRgb(Color color);
Color fromQRgb(QRgb rgb);

// A solid pen of the given colour and width (at least 1) in canvas units,
// with round ends and joins.
QPen canvasPen(QRgb color, int width);

} // namespace vexlor
