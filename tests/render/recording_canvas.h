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

    int Width() const override { return 500; }
    int Height() const override { return 500; }
    void SetBrushColor(Color color) override { ++calls, brush = color; }
    void SetPenColor(Color) override { ++calls; }
    void SetPenWidth(int) override { ++calls; }
    void FillRect(const Rect&) override { ++calls; }
    void Polygon(const Point* p, int count) override {
        ++calls;
        polygons.push_back({brush, {p, p + count}});
    }
    void MoveTo(int, int) override { ++calls; }
    void LineTo(int, int) override { ++calls; }

    int calls = 0;
    Color brush = 0;
    std::vector<Drawn> polygons;
};

} // namespace vexlor
