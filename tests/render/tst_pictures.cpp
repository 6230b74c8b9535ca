// The question and answer pictures of a Cube: where the net lands, the
// colours of each solving state, and which picture each call touches.
#include "cube/generator.h"
#include "cube/random.h"
#include "printing/image_canvas.h"
#include "recording_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "render_checks.h"

#include <QTest>

#include <algorithm>
#include <array>

using namespace vexlor;

namespace {

constexpr Color kShadeOf[kVisibleFaces] = {kShade, 0u - kShade, 0};

// A highlight order other than the palette's own, so that a picture that
// ignores the order shows.
constexpr MarkOrder kTestMarks = {2, 0, 1};

// The five pictures of the window over canvases of type C.
template <typename C> struct Set {
    C question{500, 500};
    std::array<C, kAnswers> answers{{{250, 250}, {250, 250}, {250, 250}, {250, 250}}};
    MarkOrder markOrder = kTestMarks;
    Pictures pictures() {
        return {&question,
                {&answers[0], &answers[1], &answers[2], &answers[3]},
                makeProjection(250),
                markOrder};
    }
};
struct Recordings {
    RecordingCanvas question;
    std::array<RecordingCanvas, kAnswers> answers;
    Pictures pictures() {
        return {&question,
                {&answers[0], &answers[1], &answers[2], &answers[3]},
                makeProjection(250),
                kTestMarks};
    }
};
using Images = Set<ImageCanvas>;

Cube generated(std::int64_t seed) {
    RandomSource randomSource(seed);
    Cube c{};
    makeCube(c, randomSource);
    return c;
}

// The fill of a face, taken in its margin, which no symbol covers.
Color fillOf(const ImageCanvas& canvas, const FaceFrame& frame) {
    return colorAt(canvas, frame, 0.05, 0.5);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:

    // The box of the occupied cells is centred in the question picture.
    void netPlacement_data() {
        QTest::addColumn<int>("cmin");
        QTest::addColumn<int>("cmax");
        QTest::addColumn<int>("rmin");
        QTest::addColumn<int>("rmax");
        QTest::addColumn<Point>("origin");
        QTest::newRow("columns 2-5, rows 3-5") << 2 << 5 << 3 << 5 << Point{-110, -155};
        QTest::newRow("columns 3-6, rows 3-5") << 3 << 6 << 3 << 5 << Point{-200, -155};
        QTest::newRow("five wide") << 2 << 6 << 4 << 5 << Point{-155, -200};
        QTest::newRow("top left") << 0 << 2 << 0 << 3 << Point{115, 70};
    }
    void netPlacement() {
        QFETCH(int, cmin);
        QFETCH(int, cmax);
        QFETCH(int, rmin);
        QFETCH(int, rmax);
        QFETCH(Point, origin);
        Cube c{};
        c.netBounds[0] = std::int8_t(cmin), c.netBounds[1] = std::int8_t(cmax);
        c.netBounds[2] = std::int8_t(rmin), c.netBounds[3] = std::int8_t(rmax);
        QCOMPARE(netOrigin(c, 500, 500), origin);
    }

    // cell (4, 4) of a net boxed in columns 3-6, rows 3-5 covers (160, 205)
    // to (250, 295).
    void netCell() {
        const FaceFrame cell = netCellFrame({-200, -155}, 4, 4);
        QCOMPARE(cell.origin, (Point{160, 205}));
        QCOMPARE(facePoint(cell, 1, 1), (Point{250, 295}));
    }

    // A net cell shows its face's symbol turned by the cell's turn plus the
    // face's own turn; only the sum modulo 4 counts.
    void netSymbolTurn_data() {
        QTest::addColumn<int>("cellTurn");
        QTest::addColumn<int>("symTurn");
        QTest::addColumn<int>("shown");
        QTest::newRow("2 + 1") << 2 << 1 << 3;
        QTest::newRow("3 + 3") << 3 << 3 << 2;
        QTest::newRow("127 + 127") << 127 << 127 << 2;
        QTest::newRow("-128 + 1") << -128 << 1 << 1;
    }
    void netSymbolTurn() {
        QFETCH(int, cellTurn);
        QFETCH(int, symTurn);
        QFETCH(int, shown);
        Cube c{};
        std::fill_n(&c.net[0][0], kNetSize * kNetSize, NetCell{-1, 0});
        c.net[4][4] = {0, std::int8_t(cellTurn)};
        c.faceTurn[0] = std::int8_t(symTurn); // sym[0] is 0, the Arrow
        std::fill_n(c.netBounds, 4, std::int8_t{4});
        Recordings net, expected;
        drawNet(net.pictures(), c, false);
        drawSymbol(expected.question, netCellFrame({-155, -155}, 4, 4), 0, shown, 0, 0);
        QCOMPARE(net.question.polygons.at(1).points, expected.question.polygons.at(0).points);
    }

    // Answer faces by state: the top face lit by the kShade, the right face
    // darkened, the left as is; a wrong pick has dark red symbols, the right
    // pick the highlight colours kHighlightColors[markOrder[k]] (here {2, 0, 1}).
    void answerFaceColours_data() {
        QTest::addColumn<int>("picked"); // 0 none, 1 a wrong answer, 2 the correct one
        QTest::addColumn<int>("face");
        QTest::addColumn<Color>("fill");
        QTest::addColumn<Color>("symbol");
        QTest::newRow("unpicked top") << 0 << 0 << Color{0x68B8E3} << Color{0x205040};
        QTest::newRow("unpicked right") << 0 << 1 << Color{0x4898C3} << Color{0x003020};
        QTest::newRow("unpicked left") << 0 << 2 << Color{0x58A8D3} << Color{0x104030};
        QTest::newRow("wrong top") << 1 << 0 << Color{0x68B8E3} << Color{0xA12020};
        QTest::newRow("wrong right") << 1 << 1 << Color{0x4898C3} << Color{0x810000};
        QTest::newRow("wrong left") << 1 << 2 << Color{0x58A8D3} << Color{0x911010};
        QTest::newRow("right top") << 2 << 0 << Color{0xFFFF93} << Color{0x205040};
        QTest::newRow("right right") << 2 << 1 << Color{0xDF7881} << Color{0x003020};
        QTest::newRow("right left") << 2 << 2 << Color{0xA0EF8A} << Color{0x104030};
    }
    void answerFaceColours() {
        QFETCH(int, picked);
        QFETCH(int, face);
        QFETCH(Color, fill);
        QFETCH(Color, symbol);
        Cube c{};
        std::fill_n(&c.answerSymbol[0][0], kAnswers * kVisibleFaces, Symbol{17}); // Square
        c.correctAnswer = 1;
        const int a = picked == 2 ? 1 : 2;
        c.picked[a] = picked != 0;
        Images images;
        drawAnswer(images.pictures(), c, a);
        const FaceFrame frame = answerFaceFrame(images.pictures().projection, a, face);
        QCOMPARE(fillOf(images.answers[a], frame), fill);
        QCOMPARE(colorAt(images.answers[a], frame, 0.5, 0.5), symbol);
    }

    // A wrong pick, then the right one. Exactly the three net cells showing
    // corfaces are highlighted, each in the colour of the correct answer's
    // face showing the same cube face (less its kShade), and redrawing the
    // net changes nothing else; the wrong answer keeps dark red symbols, the
    // two others stay as they were.
    void wrongThenRightPick() {
        for (std::int64_t seed = 100; seed < 110; ++seed) {
            RandomSource randomSource(seed);
            const MarkOrder markOrder = shuffledMarks(randomSource);
            Cube c = generated(seed);
            const int wrong = (c.correctAnswer + 1) % kAnswers;
            Images images;
            images.markOrder = markOrder;
            const Pictures p = images.pictures();
            clearPictures(p);
            drawNet(p, c, true);
            const QImage unsolved = images.question.image().copy();
            c.picked[wrong] = 1;
            drawAnswer(p, c, wrong);
            c.picked[c.correctAnswer] = 1;
            drawNet(p, c, false);
            for (int a = 0; a < kAnswers; ++a)
                if (a != wrong)
                    drawAnswer(p, c, a);

            const Point origin = netOrigin(c, 500, 500);
            int highlighted = 0;
            for (int i = 0; i < kNetSize; ++i)
                for (int j = 0; j < kNetSize; ++j) {
                    const FaceFrame cell = netCellFrame(origin, i, j);
                    const auto k = std::find(c.correctFaces, c.correctFaces + 3, c.net[i][j].face) -
                                   c.correctFaces;
                    if (c.net[i][j].face < 0 || k == 3) {
                        const QRect inside(cell.origin.x + 1, cell.origin.y + 1, 89, 89);
                        QCOMPARE(images.question.image().copy(inside), unsolved.copy(inside));
                        continue;
                    }
                    ++highlighted;
                    const Color fill = fillOf(images.question, cell);
                    QCOMPARE(fill, kHighlightColors[markOrder[k]]);
                    const FaceFrame answerFace =
                        answerFaceFrame(p.projection, c.correctAnswer, int(k));
                    QCOMPARE(fillOf(images.answers[c.correctAnswer], answerFace) - kShadeOf[k],
                             fill);
                }
            QCOMPARE(highlighted, 3);
            for (int a = 0; a < kAnswers; ++a) {
                const bool dark = colors(images.answers[a]).count(kWrongColor) == 1;
                QCOMPARE(dark, a == wrong);
            }
        }
    }

    // drawAnswer draws into its own picture only; a number outside 0-3
    // draws nothing.
    void drawAnswerTouchesOnlyItsPicture() {
        const Cube c = generated(3);
        for (int answer : {0, 1, 2, 3, -1, 4, 127}) {
            Recordings r;
            drawAnswer(r.pictures(), c, answer);
            QCOMPARE(r.question.calls, 0);
            for (int a = 0; a < kAnswers; ++a)
                QCOMPARE(r.answers[a].calls != 0, a == answer);
        }
    }

    // A damaged record never reads out of bounds: cells with faces outside
    // 0-5 are skipped, symbols outside 0-17 left out, and a the correct answer
    // outside 0-3 leaves the Cube unsolved, so every pick shows as wrong.
    void damagedCube() {
        for (int correct : {-1, 4, 9, -128, 127}) {
            Cube c = generated(5);
            QVERIFY(c.net[0][0].face < 0 && c.net[8][8].face < 0 && c.net[0][8].face < 0);
            c.net[0][0] = {6, 0};
            c.net[8][8] = {127, 3};
            c.net[0][8] = {-128, 3};
            c.faceSymbol[c.net[4][4].face] = 99;
            c.correctAnswer = std::int8_t(correct);
            std::fill_n(c.picked, kAnswers, std::int8_t{1});
            c.answerSymbol[1][2] = -50;
            c.answerTurn[1][2] = 127;

            Recordings r;
            drawNet(r.pictures(), c, true);
            for (int a = 0; a < kAnswers; ++a)
                drawAnswer(r.pictures(), c, a);
            int cells = 0, symbols = 0;
            for (const auto& polygon : r.question.polygons) {
                const auto& pt = polygon.points;
                if (pt.size() == 5 && pt[1].x - pt[0].x == 90 && pt[2].y - pt[1].y == 90) {
                    QCOMPARE(polygon.brush, kFaceColor);
                    ++cells;
                }
                symbols += polygon.brush == kSymbolColor;
            }
            QCOMPARE(cells, kFaces);
            QCOMPARE(symbols, kFaces - 1);
            for (const auto& answer : r.answers)
                for (const auto& polygon : answer.polygons)
                    for (Color s : kShadeOf)
                        QVERIFY(polygon.brush != kSymbolColor + s);
        }
    }

    // The highlight order is a permutation of the three colours, and every
    // order occurs.
    void shuffledMarksMakeEveryPermutation() {
        std::set<std::array<int, 3>> seen;
        for (std::int64_t seed = 0; seed < 60; ++seed) {
            RandomSource randomSource(seed);
            const MarkOrder markOrder = shuffledMarks(randomSource);
            QVERIFY(std::is_permutation(markOrder.begin(), markOrder.end(),
                                        std::array{0, 1, 2}.begin()));
            seen.insert(markOrder);
        }
        QCOMPARE(seen.size(), 6u);
    }

    // clearPictures blanks all five pictures; the cross is two 2-pixel
    // diagonals in the background colour over the window's colour.
    void clearAndCross() {
        Images images;
        drawNet(images.pictures(), generated(9), true);
        clearPictures(images.pictures());
        QCOMPARE(colors(images.question), std::set<Color>{kBackgroundColor});
        for (const auto& answer : images.answers)
            QCOMPARE(colors(answer), std::set<Color>{kBackgroundColor});

        ImageCanvas cross(49, 17);
        drawCross(cross, kWindowColor);
        QCOMPARE(colors(cross), (std::set<Color>{kWindowColor, kBackgroundColor}));
        for (Point p : {Point{0, 0}, Point{48, 16}, Point{48, 0}, Point{0, 16}, Point{24, 8}})
            QCOMPARE(cross.pixel(p.x, p.y), kBackgroundColor);
        for (Point p : {Point{24, 0}, Point{24, 16}, Point{0, 8}, Point{48, 8}})
            QCOMPARE(cross.pixel(p.x, p.y), kWindowColor);
        int lit = 0;
        for (int y = 0; y < 17; ++y)
            lit += cross.pixel(6, y) == kBackgroundColor;
        QVERIFY(lit >= 4);
    }
};

QTEST_APPLESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
