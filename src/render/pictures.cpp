#include "pictures.h"

#include "render/palette.h"

namespace vexlor {

namespace {

constexpr int kCell = 90;

// Fills a picture with the background; the rectangle is larger than any
// picture, so one fill blanks it whole.
void blank(Canvas& canvas, Color back) {
    canvas.setBrushColor(back);
    canvas.fillRect({0, 0, 1000, 1000});
}

} // namespace

MarkOrder shuffledMarks(RandomSource& randomSource) {
    MarkOrder order{};
    bool taken[3] = {};
    for (int& colour : order)
        colour = randomSource.drawUnused(3, taken);
    return order;
}

Point netOrigin(const Cube& c, int width, int height) {
    const int cmin = c.netBounds[0], cmax = c.netBounds[1];
    const int rmin = c.netBounds[2], rmax = c.netBounds[3];
    return {width / 2 - kCell * cmin - kCell * (cmax - cmin + 1) / 2,
            height / 2 - kCell * rmin - kCell * (rmax - rmin + 1) / 2};
}

FaceFrame netCellFrame(Point netOrigin, int column, int row) {
    return {{netOrigin.x + kCell * column, netOrigin.y + kCell * row}, {kCell, 0}, {0, kCell}};
}

void drawNet(const Pictures& pictures, const Cube& c, bool clear, const PictureColors& colors) {
    Canvas* const canvas = pictures.question;
    if (canvas == nullptr)
        return;
    if (clear)
        blank(*canvas, colors.back);
    const Point origin = netOrigin(c, canvas->width(), canvas->height());
    const bool solved = isSolved(c);
    // Every cell of the grid, not only those inside netBounds: a damaged box
    // must not hide a face.
    for (int i = 0; i < kNetSize; ++i)
        for (int j = 0; j < kNetSize; ++j) {
            const NetCell cell = c.net[i][j];
            if (cell.face < 0 || cell.face >= kFaces)
                continue;
            Color fill = colors.face;
            if (solved)
                for (int k = 0; k < kVisibleFaces; ++k)
                    if (c.correctFaces[k] == cell.face)
                        fill = colors.mark[pictures.markOrder[k]];
            drawFace(*canvas, netCellFrame(origin, i, j), c.faceSymbol[cell.face],
                     cell.turn + c.faceTurn[cell.face], fill, colors.symbol);
        }
}

void drawAnswer(const Pictures& pictures, const Cube& c, int a, const PictureColors& colors) {
    if (a < 0 || a >= kAnswers || pictures.answers[a] == nullptr)
        return;
    const bool picked = c.picked[a] != 0;
    const bool right = a == c.correctAnswer;
    // Lit from above: the top face lighter, the right face darker.
    const Color add[kVisibleFaces] = {colors.shade, 0u - colors.shade, 0};
    for (int k = 0; k < kVisibleFaces; ++k) {
        const Color symbol = add[k] + (picked && !right ? colors.wrong : colors.symbol);
        const Color fill =
            add[k] + (picked && right ? colors.mark[pictures.markOrder[k]] : colors.face);
        drawFace(*pictures.answers[a], answerFaceFrame(pictures.projection, a, k),
                 c.answerSymbol[a][k], c.answerTurn[a][k], fill, symbol);
    }
}

void clearPictures(const Pictures& pictures, const PictureColors& colors) {
    for (Canvas* canvas : pictures.answers)
        if (canvas != nullptr)
            blank(*canvas, colors.back);
    if (pictures.question != nullptr)
        blank(*pictures.question, colors.back);
}

void drawCross(Canvas& canvas, Color windowColor) {
    canvas.setBrushColor(windowColor);
    canvas.fillRect({0, 0, 100, 100});
    canvas.setPenColor(kBackgroundColor);
    canvas.setPenWidth(2);
    const int right = canvas.width() - 1;
    const int bottom = canvas.height() - 1;
    canvas.moveTo(0, 0);
    canvas.lineTo(right, bottom);
    canvas.moveTo(right, 0);
    canvas.lineTo(0, bottom);
}

void drawFrame(Canvas& canvas, Color color, int thickness) {
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.setBrushColor(color);
    canvas.fillRect({0, 0, w, thickness});
    canvas.fillRect({0, h - thickness, w, h});
    canvas.fillRect({0, 0, thickness, h});
    canvas.fillRect({w - thickness, 0, w, h});
}

} // namespace vexlor
