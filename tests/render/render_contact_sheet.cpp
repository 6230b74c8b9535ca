// Writes a contact sheet of every symbol at every turn, for looking at by
// eye: one row per kind, 0 to 17 from the top; on the left four net cells at
// turns 0 to 3, on the right four answer cubes with the symbol at that turn
// on all three faces (top lit, right darkened, left as is).
//
//   render_contact_sheet out.png
#include "cube/cube.h"
#include "printing/image_canvas.h"
#include "render/face.h"
#include "render/palette.h"
#include "render/projection.h"

#include <cstdio>

using namespace vexlor;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    constexpr int kRow = 180, kCellStep = 100, kCubeStep = 170;
    constexpr int kCubesLeft = 4 * kCellStep + 20;
    ImageCanvas sheet(kCubesLeft + 4 * kCubeStep, kSymbolCount * kRow);
    sheet.setBrushColor(kBackgroundColor);
    sheet.fillRect({0, 0, sheet.width(), sheet.height()});

    const auto axis = makeProjection(250).axis;
    const Color add[3] = {kShade, 0u - kShade, 0};
    for (int kind = 0; kind < kSymbolCount; ++kind) {
        const int top = kind * kRow;
        for (int turn = 0; turn < 4; ++turn) {
            const FaceFrame cell{{5 + turn * kCellStep, top + 45}, {90, 0}, {0, 90}};
            drawFace(sheet, cell, static_cast<Symbol>(kind), turn, kFaceColor, kSymbolColor);
            // The cube's corner sits where its bounding box starts at the
            // left and top of its slot.
            const Point corner{kCubesLeft + turn * kCubeStep - axis[0].x,
                               top + 4 - axis[0].y - axis[1].y};
            for (int k = 0; k < kVisibleFaces; ++k)
                drawFace(sheet, {corner, axis[k], axis[(k + 1) % 3]}, static_cast<Symbol>(kind),
                         turn, kFaceColor + add[k], kSymbolColor + add[k]);
        }
    }
    if (!sheet.image().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
