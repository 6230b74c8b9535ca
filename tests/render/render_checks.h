// Helpers shared by the render tests: readable points in failure messages
// and the colours of drawn pixels.
#pragma once

#include "printing/image_canvas.h"
#include "render/symbol.h"

#include <QString>
#include <QTest>

#include <set>

namespace vexlor {

inline char* toString(const Point& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y));
}

// The colour at face coordinates (u, v) of frame.
inline Color colorAt(const ImageCanvas& canvas, const FaceFrame& frame, double u, double v) {
    const Point p = facePoint(frame, u, v);
    return canvas.pixel(p.x, p.y);
}

inline std::set<Color> colors(const ImageCanvas& canvas) {
    std::set<Color> result;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            result.insert(canvas.pixel(x, y));
    return result;
}

} // namespace vexlor
