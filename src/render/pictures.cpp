#include "pictures.h"

#include "cube/random.h"
#include "render/palette.h"
#include "render/projection.h"

namespace vexlor {

namespace {

constexpr int kCell = 90;

// Fills a picture with the background; the rectangle is larger than any
// picture, so one fill blanks it whole.
void Blank(Canvas& canvas) {
    canvas.SetBrushColor(backcolor);
    canvas.FillRect({0, 0, 1000, 1000});
}

} // namespace

std::array<int, kVisibleFaces> markorder = {0, 1, 2};

void ShuffleMarks() {
    bool taken[3] = {};
    for (int& colour : markorder)
        colour = DrawUnused(3, taken);
}

Point NetOrigin(const CubeNode& c, int width, int height) {
    const int cmin = c.netbox[0], cmax = c.netbox[1];
    const int rmin = c.netbox[2], rmax = c.netbox[3];
    return {width / 2 - kCell * cmin - kCell * (cmax - cmin + 1) / 2,
            height / 2 - kCell * rmin - kCell * (rmax - rmin + 1) / 2};
}

FaceFrame NetCellFrame(Point netOrigin, int column, int row) {
    return {{netOrigin.x + kCell * column, netOrigin.y + kCell * row}, {kCell, 0}, {0, kCell}};
}

void DrawNet(const Pictures& pictures, const CubeNode& c, bool clear) {
    Canvas* const canvas = pictures.question;
    if (canvas == nullptr)
        return;
    if (clear)
        Blank(*canvas);
    const Point origin = NetOrigin(c, canvas->Width(), canvas->Height());
    const bool solved = IsSolved(c);
    // Every cell of the grid, not only those inside netbox: a damaged box
    // must not hide a face.
    for (int i = 0; i < kNetSize; ++i)
        for (int j = 0; j < kNetSize; ++j) {
            const NetCell cell = c.net[i][j];
            if (cell.face < 0 || cell.face >= kFaces)
                continue;
            Color fill = facecolor;
            if (solved)
                for (int k = 0; k < kVisibleFaces; ++k)
                    if (c.corfaces[k] == cell.face)
                        fill = markcolor[markorder[k]];
            DrawFace(*canvas, NetCellFrame(origin, i, j), c.sym[cell.face],
                     cell.turn + c.symturn[cell.face], fill, symcolor);
        }
}

void DrawAnswer(const Pictures& pictures, const CubeNode& c, int a) {
    if (a < 0 || a >= kAnswers || pictures.answers[a] == nullptr)
        return;
    const bool picked = c.chosen[a] != 0;
    const bool right = a == c.correct;
    // Lit from above: the top face lighter, the right face darker.
    constexpr Color add[kVisibleFaces] = {shade, 0u - shade, 0};
    for (int k = 0; k < kVisibleFaces; ++k) {
        const Color symbol = add[k] + (picked && !right ? wrongcolor : symcolor);
        const Color fill = add[k] + (picked && right ? markcolor[markorder[k]] : facecolor);
        DrawFace(*pictures.answers[a], AnswerFaceFrame(a, k), c.anssym[a][k], c.ansturn[a][k], fill,
                 symbol);
    }
}

void ClearPictures(const Pictures& pictures) {
    for (Canvas* canvas : pictures.answers)
        if (canvas != nullptr)
            Blank(*canvas);
    if (pictures.question != nullptr)
        Blank(*pictures.question);
}

void DrawCross(Canvas& canvas, Color windowColor) {
    canvas.SetBrushColor(windowColor);
    canvas.FillRect({0, 0, 100, 100});
    canvas.SetPenColor(backcolor);
    canvas.SetPenWidth(2);
    const int right = canvas.Width() - 1;
    const int bottom = canvas.Height() - 1;
    canvas.MoveTo(0, 0);
    canvas.LineTo(right, bottom);
    canvas.MoveTo(right, 0);
    canvas.LineTo(0, bottom);
}

} // namespace vexlor
