// The canvas over a QImage: colours arrive as asked, fills are clipped,
// polygons fill by the even-odd rule inside crisp 1-pixel black outlines;
// at a device pixel ratio above 1 the same drawing has that many times the
// pixels.
#include "printing/image_canvas.h"
#include "render/palette.h"
#include "render_checks.h"

#include <QTest>

#include <algorithm>
#include <climits>

using namespace vexlor;

namespace {

ImageCanvas blankCanvas(int width, int height) {
    ImageCanvas canvas(width, height);
    canvas.setBrushColor(kBackgroundColor);
    canvas.fillRect({0, 0, width, height});
    return canvas;
}

} // namespace

class ImageCanvasTest : public QObject {
    Q_OBJECT

private slots:
    // 0xRRGGBB values land in the image as the red, green, blue they name.
    void coloursArriveAsRgb_data() {
        QTest::addColumn<Color>("color");
        QTest::addColumn<QColor>("rgb");
        QTest::newRow("back") << kBackgroundColor << QColor(207, 224, 243);
        QTest::newRow("face") << kFaceColor << QColor(88, 168, 211);
        QTest::newRow("symbol") << kSymbolColor << QColor(16, 64, 48);
        QTest::newRow("wrong") << kWrongColor << QColor(145, 16, 16);
        QTest::newRow("mark 0") << kHighlightColors[0] << QColor(239, 136, 145);
        QTest::newRow("mark 1") << kHighlightColors[1] << QColor(160, 239, 138);
        QTest::newRow("mark 2") << kHighlightColors[2] << QColor(239, 239, 131);
        QTest::newRow("window") << kWindowColor << QColor(40, 98, 162);
    }
    void coloursArriveAsRgb() {
        QFETCH(Color, color);
        QFETCH(QColor, rgb);
        ImageCanvas canvas(4, 4);
        canvas.setBrushColor(color);
        canvas.fillRect({0, 0, 4, 4});
        QCOMPARE(canvas.image().pixel(2, 2), rgb.rgb());
        QCOMPARE(canvas.pixel(2, 2), color);
    }

    // fillRect covers left to right - 1 and top to bottom - 1, clipped to
    // the image, without overflow at the ends of the int range.
    void fillRectIsClipped_data() {
        QTest::addColumn<Rect>("rect");
        QTest::addColumn<QRect>("filled");
        QTest::newRow("larger") << Rect{0, 0, 1000, 1000} << QRect(0, 0, 20, 10);
        QTest::newRow("inside") << Rect{2, 3, 5, 7} << QRect(2, 3, 3, 4);
        QTest::newRow("over top left") << Rect{-5, -5, 3, 2} << QRect(0, 0, 3, 2);
        QTest::newRow("over bottom right") << Rect{18, 8, 30, 30} << QRect(18, 8, 2, 2);
        QTest::newRow("empty") << Rect{4, 4, 4, 9} << QRect();
        QTest::newRow("inverted") << Rect{9, 9, 2, 2} << QRect();
        QTest::newRow("extreme") << Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX} << QRect(0, 0, 20, 10);
    }
    void fillRectIsClipped() {
        QFETCH(Rect, rect);
        QFETCH(QRect, filled);
        ImageCanvas canvas = blankCanvas(20, 10);
        canvas.setBrushColor(kFaceColor);
        canvas.fillRect(rect);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 20; ++x)
                QCOMPARE(canvas.pixel(x, y), filled.contains(x, y) ? kFaceColor : kBackgroundColor);
    }

    // A region the outline winds round twice stays unfilled; the outline is
    // black, 1 pixel, through every corner; no other colours appear.
    void polygonFillsEvenOddInsideCrispOutline() {
        ImageCanvas canvas = blankCanvas(40, 40);
        canvas.setBrushColor(kFaceColor);
        const Point twice[11] = {{2, 2},   {36, 5},  {30, 36}, {2, 26},  {2, 2}, {10, 10},
                                 {24, 10}, {24, 24}, {10, 24}, {10, 10}, {2, 2}};
        canvas.polygon(twice, 11);
        QCOMPARE(canvas.pixel(17, 17), kBackgroundColor);
        QCOMPARE(canvas.pixel(5, 17), kFaceColor);
        QCOMPARE(canvas.pixel(10, 17), Color{0});
        QCOMPARE(canvas.pixel(11, 17), kBackgroundColor);
        QCOMPARE(canvas.pixel(9, 17), kFaceColor);
        for (Point p : twice)
            QCOMPARE(canvas.pixel(p.x, p.y), Color{0});
        QCOMPARE(colors(canvas), (std::set<Color>{kBackgroundColor, kFaceColor, 0}));
    }

    // Lines run on from the current position in the pen's colour and width.
    void linesUsePenAndPosition() {
        ImageCanvas canvas = blankCanvas(40, 40);
        canvas.setPenColor(kWrongColor);
        canvas.setPenWidth(3);
        canvas.moveTo(5, 10);
        canvas.lineTo(30, 10);
        canvas.lineTo(30, 35);
        for (int d = -1; d <= 1; ++d) {
            QCOMPARE(canvas.pixel(18, 10 + d), kWrongColor);
            QCOMPARE(canvas.pixel(30 + d, 22), kWrongColor);
        }
        QCOMPARE(canvas.pixel(18, 13), kBackgroundColor);
        QCOMPARE(canvas.pixel(5, 30), kBackgroundColor);
    }

    // At ratio r the image has r times the pixels each way, rounded up, and
    // says so; sizes and coordinates stay logical, and a blanking fill
    // leaves no device pixel out.
    void aHigherRatioHasMorePixels_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<QSize>("device");
        QTest::newRow("1") << 1.0 << QSize(500, 500) << QSize(500, 500);
        QTest::newRow("2") << 2.0 << QSize(500, 500) << QSize(1000, 1000);
        QTest::newRow("1.5") << 1.5 << QSize(49, 17) << QSize(74, 26);
        QTest::newRow("below 1") << 0.5 << QSize(49, 17) << QSize(49, 17);
    }
    void aHigherRatioHasMorePixels() {
        QFETCH(qreal, ratio);
        QFETCH(QSize, logical);
        QFETCH(QSize, device);
        ImageCanvas canvas(logical.width(), logical.height(), ratio);
        QCOMPARE(QSize(canvas.width(), canvas.height()), logical);
        QCOMPARE(canvas.image().size(), device);
        QCOMPARE(canvas.image().devicePixelRatio(), std::max(ratio, 1.0));
        canvas.setBrushColor(kBackgroundColor);
        canvas.fillRect({0, 0, 1000, 1000});
        canvas.setBrushColor(kFaceColor);
        canvas.fillRect({1, 1, 4, 4});
        QCOMPARE(canvas.pixel(2, 2), kFaceColor);
        QCOMPARE(canvas.pixel(5, 2), kBackgroundColor);
        int blank = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                blank += canvas.image().pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        QCOMPARE(blank, 0);
    }

    // A slanted edge of a polygon steps by one device pixel at every ratio:
    // at ratio 2 it is drawn anew, not as the staircase of 2 x 2 blocks of
    // the 1x drawing; fill and outline keep their logical place.
    void slantedEdgesStepByOneDevicePixel_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void slantedEdgesStepByOneDevicePixel() {
        QFETCH(qreal, ratio);
        ImageCanvas canvas(60, 60, ratio);
        canvas.setBrushColor(kBackgroundColor);
        canvas.fillRect({0, 0, 60, 60});
        canvas.setBrushColor(kFaceColor);
        const Point triangle[4] = {{5, 5}, {55, 55}, {5, 55}, {5, 5}};
        canvas.polygon(triangle, 4);
        // The last device pixel of each row that is not background follows
        // the 45-degree edge: one device pixel further on every row.
        const QImage& image = canvas.image();
        const QRgb back = toQRgb(kBackgroundColor);
        int last = -1;
        for (int y = qRound(10 * ratio); y < qRound(50 * ratio); ++y) {
            int x = image.width() - 1;
            while (x > 0 && image.pixel(x, y) == back)
                --x;
            if (last >= 0)
                QVERIFY2(x - last == 1,
                         qPrintable(QStringLiteral("row %1: %2 after %3").arg(y).arg(x).arg(last)));
            last = x;
        }
        QCOMPARE(canvas.pixel(30, 50), kFaceColor);
        QCOMPARE(canvas.pixel(20, 10), kBackgroundColor);
        QCOMPARE(canvas.pixel(5, 30), Color{0});
        QCOMPARE(canvas.pixel(30, 55), Color{0});
    }

    // A canvas of no size and degenerate calls do no harm.
    void degenerateCallsAreHarmless() {
        const Point p[3] = {{0, 0}, {5, 5}, {0, 5}};
        for (QSize size : {QSize(0, 0), QSize(-5, 10)}) {
            ImageCanvas empty(size.width(), size.height());
            empty.fillRect({0, 0, 100, 100});
            empty.polygon(p, 3);
            empty.lineTo(4, 4);
        }
        ImageCanvas canvas = blankCanvas(8, 8);
        canvas.polygon(nullptr, 4);
        canvas.polygon(p, -2);
        QCOMPARE(colors(canvas), std::set<Color>{kBackgroundColor});
    }
};

QTEST_APPLESS_MAIN(ImageCanvasTest)
#include "tst_image_canvas.moc"
