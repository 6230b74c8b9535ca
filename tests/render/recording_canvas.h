// A canvas that draws nothing and remembers the polygons asked of it, each
// with the brush it was to be filled with.
#pragma once

#include "render/canvas.h"

#include <vector>

namespace vexlor {

class RecordingCanvas final : public Canvas {
public:
    struct Drawn {
        Color brush;
        std::vector<Point> points;
    };

    int width() const override { return 500; }
    int height() const override { return 500; }
    void setBrushColor(Color color) override { ++calls, brush = color; }
    void setPenColor(Color) override { ++calls; }
    void setPenWidth(int) override { ++calls; }
    void fillRect(const Rect&) override { ++calls; }
    void polygon(const Point* p, int count) override {
        ++calls;
        polygons.push_back({brush, {p, p + count}});
    }
    void moveTo(int, int) override { ++calls; }
    void lineTo(int, int) override { ++calls; }

    int calls = 0;
    Color brush = 0;
    std::vector<Drawn> polygons;
};

} // namespace vexlor
