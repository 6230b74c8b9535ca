// Faces and symbols: the projection of the answer cubes, how face
// coordinates become pixels, how turns move a symbol, and the holes.
#include "printing/image_canvas.h"
#include "recording_canvas.h"
#include "render/palette.h"
#include "render/projection.h"
#include "render_checks.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace vexlor;

namespace {

constexpr Symbol kArrow = 0, kCornerSquare = 5, kDiamondRing = 8, kSquareRing = 14, kWindow = 16;
constexpr FaceFrame kCell{{205, 205}, {90, 0}, {0, 90}};

// The answer cubes as the window's 250 x 250 pictures hold them.
const Projection kProjection = makeProjection(250);

// The vertices of the symbol's polygons, without each closing repeat.
std::vector<Point> vertices(int kind, int turn) {
    RecordingCanvas canvas;
    drawSymbol(canvas, kCell, static_cast<Symbol>(kind), turn, kFaceColor, kSymbolColor);
    std::vector<Point> result;
    for (const auto& polygon : canvas.polygons)
        result.insert(result.end(), polygon.points.begin(), polygon.points.end() - 1);
    return result;
}

// Every vertex of a lies within a pixel of one of b: truncation may land a
// turned vertex a pixel off, never more.
bool covered(const std::vector<Point>& a, const std::vector<Point>& b) {
    return std::all_of(a.begin(), a.end(), [&](Point p) {
        return std::any_of(b.begin(), b.end(), [&](Point q) {
            return std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1;
        });
    });
}

// A 250 x 250 picture with one face drawn: a net cell (face -1) or visible
// face k of answer 0.
ImageCanvas drawOne(int face, int kind, int turn, FaceFrame& frame) {
    ImageCanvas canvas(250, 250);
    canvas.setBrushColor(kBackgroundColor);
    canvas.fillRect({0, 0, 250, 250});
    frame =
        face < 0 ? FaceFrame{{10, 10}, {90, 0}, {0, 90}} : answerFaceFrame(kProjection, 0, face);
    drawFace(canvas, frame, static_cast<Symbol>(kind), turn, kFaceColor, kSymbolColor);
    return canvas;
}

} // namespace

class SymbolsTest : public QObject {
    Q_OBJECT

private slots:
    // The axes are truncated, not rounded (70.86 to 70, 96.53 to 96), and
    // each answer cube is pushed towards the middle of the 2 x 2 block.
    void axesAndOrigins_data() {
        QTest::addColumn<Point>("actual");
        QTest::addColumn<Point>("expected");
        QTest::newRow("axis 0") << kProjection.axis[0] << Point{-84, -33};
        QTest::newRow("axis 1") << kProjection.axis[1] << Point{70, -40};
        QTest::newRow("axis 2") << kProjection.axis[2] << Point{0, 96};
        QTest::newRow("origin 0") << kProjection.origin[0] << Point{148, 127};
        QTest::newRow("origin 1") << kProjection.origin[1] << Point{116, 127};
        QTest::newRow("origin 2") << kProjection.origin[2] << Point{148, 101};
        QTest::newRow("origin 3") << kProjection.origin[3] << Point{116, 101};
    }
    void axesAndOrigins() {
        QFETCH(Point, actual);
        QFETCH(Point, expected);
        QCOMPARE(actual, expected);
    }

    // A face is one closed polygon in the fill colour, before its symbol.
    void topFaceOfAnswerZero() {
        RecordingCanvas canvas;
        drawFace(canvas, answerFaceFrame(kProjection, 0, 0), 17, 0, kFaceColor, kSymbolColor);
        QCOMPARE(canvas.polygons.size(), 2u);
        QCOMPARE(canvas.polygons[0].brush, kFaceColor);
        const std::vector<Point> top = {{148, 127}, {64, 94}, {134, 54}, {218, 87}, {148, 127}};
        QCOMPARE(canvas.polygons[0].points, top);
        QCOMPARE(canvas.polygons[1].brush, kSymbolColor);
    }

    // facePoint truncates toward zero, negative coordinates included.
    void facePointTruncatesTowardZero() {
        const FaceFrame frame{{0, 0}, {-84, -33}, {70, -40}};
        QCOMPARE(facePoint(frame, 0.1, 0.0), (Point{-8, -3}));
        QCOMPARE(facePoint(frame, 0.5, 0.0), (Point{-42, -16}));
        QCOMPARE(facePoint(frame, 0.25, 0.75), (Point{31, -38}));
    }

    // A quarter turn turns the symbol a quarter clockwise, and only the turn
    // modulo 4 counts. Where the exact sum is whole, truncation lands on it
    // or one below by the precision of the sums (x87 gives 285, doubles 286).
    void arrowTipFollowsTurn_data() {
        QTest::addColumn<int>("turn");
        QTest::addColumn<QRect>("tip"); // every place the tip may land
        QTest::newRow("0 up") << 0 << QRect(250, 214, 1, 1);
        QTest::newRow("1 right") << 1 << QRect(285, 250, 2, 1);
        QTest::newRow("2 down") << 2 << QRect(250, 285, 1, 2);
        QTest::newRow("3 left") << 3 << QRect(214, 250, 1, 1);
        QTest::newRow("4 as 0") << 4 << QRect(250, 214, 1, 1);
        QTest::newRow("5 as 1") << 5 << QRect(285, 250, 2, 1);
        QTest::newRow("-1 as 3") << -1 << QRect(214, 250, 1, 1);
        QTest::newRow("-6 as 2") << -6 << QRect(250, 285, 1, 2);
    }
    void arrowTipFollowsTurn() {
        QFETCH(int, turn);
        QFETCH(QRect, tip);
        const Point p = vertices(kArrow, turn).front();
        QVERIFY2(tip.contains(p.x, p.y), qPrintable(QStringLiteral("(%1, %2)").arg(p.x).arg(p.y)));
        QCOMPARE(vertices(kArrow, turn), vertices(kArrow, (turn % 4 + 4) % 4));
    }

    // Two turns of a kind look alike exactly when the generator's sameTurn
    // says so: kinds 0-5 differ at every turn, 6-11 repeat after a half
    // turn, 12-17 after a quarter.
    void turnsLookAlikeByKindGroup() {
        for (int kind = 0; kind < kSymbolCount; ++kind)
            for (int t = 0; t < 4; ++t)
                for (int u = 0; u < 4; ++u) {
                    const auto a = vertices(kind, t), b = vertices(kind, u);
                    const bool alike = a.size() == b.size() && covered(a, b) && covered(b, a);
                    QVERIFY2(
                        alike == sameTurn(kind, t, u),
                        qPrintable(
                            QStringLiteral("kind %1, turns %2 and %3").arg(kind).arg(t).arg(u)));
                }
    }

    // CornerSquare fills the top right, bottom right, bottom left, top left
    // quarter at turns 0 to 3, on a net cell and on each answer face.
    void cornerSquareQuarter() {
        const double middle[4][2] = {{0.7, 0.3}, {0.7, 0.7}, {0.3, 0.7}, {0.3, 0.3}};
        for (int face = -1; face < kVisibleFaces; ++face)
            for (int turn = 0; turn < 4; ++turn) {
                FaceFrame frame{};
                const ImageCanvas canvas = drawOne(face, kCornerSquare, turn, frame);
                for (int q = 0; q < 4; ++q)
                    QCOMPARE(colorAt(canvas, frame, middle[q][0], middle[q][1]),
                             q == turn ? kSymbolColor : kFaceColor);
            }
    }

    // Window, one self-crossing polygon under the even-odd rule, is a frame
    // with a central cross and four openings in the face colour.
    void windowOpenings() {
        for (int face = -1; face < kVisibleFaces; ++face) {
            FaceFrame frame{};
            const ImageCanvas canvas = drawOne(face, kWindow, 0, frame);
            for (double u : {0.325, 0.675})
                for (double v : {0.325, 0.675})
                    QCOMPARE(colorAt(canvas, frame, u, v), kFaceColor);
            for (double at : {0.15, 0.5, 0.85}) {
                QCOMPARE(colorAt(canvas, frame, at, 0.5), kSymbolColor);
                QCOMPARE(colorAt(canvas, frame, 0.5, at), kSymbolColor);
            }
            QCOMPARE(colorAt(canvas, frame, 0.15, 0.15), kFaceColor); // the bars stop short
        }
    }

    // The rings' holes show the face colour, not the background, outlined in
    // black: right from the middle come hole, outline, ring, outline, face,
    // and the face's own outline.
    void ringHoles() {
        for (auto [kind, turn] :
             {std::pair{kDiamondRing, 0}, {kDiamondRing, 1}, {kSquareRing, 0}}) {
            FaceFrame frame{};
            const ImageCanvas canvas = drawOne(-1, kind, turn, frame);
            std::vector<Color> runs;
            for (int x = 55; x <= 100; ++x)
                if (runs.empty() || runs.back() != canvas.pixel(x, 55))
                    runs.push_back(canvas.pixel(x, 55));
            QCOMPARE(runs, (std::vector<Color>{kFaceColor, 0, kSymbolColor, 0, kFaceColor, 0}));
        }
    }

    // Each symbol keeps the picture it has always had: on a net cell at turn
    // 0, every pixel as in its reference, so that a lost notch shows. For a
    // shape changed on purpose, VEXLOR_WRITE_REFERENCES=1 writes them anew.
    void eachSymbolKeepsItsPicture_data() {
        QTest::addColumn<int>("kind");
        for (int kind = 0; kind < kSymbolCount; ++kind)
            QTest::addRow("symbol %d", kind) << kind;
    }
    void eachSymbolKeepsItsPicture() {
        QFETCH(int, kind);
        FaceFrame frame{};
        const QImage drawn = drawOne(-1, kind, 0, frame)
                                 .image()
                                 .copy(9, 9, 92, 92)
                                 .convertToFormat(QImage::Format_RGB32);
        const QString reference = QStringLiteral(VEXLOR_TEST_DATA "/symbol-%1.png").arg(kind);
        QVERIFY(!qEnvironmentVariableIsSet("VEXLOR_WRITE_REFERENCES") || drawn.save(reference));
        QCOMPARE(drawn, QImage(reference).convertToFormat(QImage::Format_RGB32));
    }

    // A kind outside 0-17 draws the face alone, leaving the brush at the
    // symbol colour.
    void kindOutOfRangeDrawsNoSymbol() {
        for (int kind : {18, -1, 127, -128}) {
            RecordingCanvas recording;
            drawFace(recording, kCell, static_cast<Symbol>(kind), 1, kFaceColor, kSymbolColor);
            QCOMPARE(recording.polygons.size(), 1u);
            QCOMPARE(recording.brush, kSymbolColor);
            FaceFrame frame{};
            QCOMPARE(colors(drawOne(-1, kind, 1, frame)),
                     (std::set<Color>{kBackgroundColor, kFaceColor, 0}));
        }
    }
};

QTEST_APPLESS_MAIN(SymbolsTest)
#include "tst_symbols.moc"
