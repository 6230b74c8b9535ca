#include "canvas_style.h"

#include <algorithm>

namespace vexlor {

QPen canvasPen(QRgb color, int width) {
    // Round ends, as a wide pen's lines end on the platforms this program
    // was first drawn on; a 1-pixel line looks the same with any cap.
    return QPen(QColor(color), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace vexlor
