// Helpers shared by the render tests: readable points in failure messages
// and the colours of drawn pixels.
#pragma once

#include "app/image_canvas.h"
#include "render/symbol.h"

#include <QString>
#include <QTest>

#include <set>

namespace vexlor {

inline char* toString(const Point& p) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y));
}

// The colour at face coordinates (u, v) of frame.
inline Color ColorAt(const ImageCanvas& canvas, const FaceFrame& frame, double u, double v) {
    const Point p = FacePoint(frame, u, v);
    return canvas.Pixel(p.x, p.y);
}

inline std::set<Color> Colors(const ImageCanvas& canvas) {
    std::set<Color> result;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            result.insert(canvas.Pixel(x, y));
    return result;
}

} // namespace vexlor
