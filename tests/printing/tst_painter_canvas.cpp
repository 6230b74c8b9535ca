// The canvas over a QPainter draws every picture as the canvas over a QImage
// does, wherever the painter places and scales it, and nothing outside its
// own area.
#include "cube/generator.h"
#include "cube/random.h"
#include "printing/image_canvas.h"
#include "printing/painter_canvas.h"
#include "render/palette.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <QPainter>
#include <QTest>

#include <array>
#include <memory>

using namespace vexlor;

namespace {

// The five pictures of a Cube, drawn both ways.
struct BothWays {
    std::array<ImageCanvas, 5> images{ImageCanvas(500, 500), ImageCanvas(250, 250),
                                      ImageCanvas(250, 250), ImageCanvas(250, 250),
                                      ImageCanvas(250, 250)};
    std::array<QImage, 5> painted;

    explicit BothWays(const Cube& c) {
        draw(c, {&images[0], {&images[1], &images[2], &images[3], &images[4]}});
        std::array<std::unique_ptr<QPainter>, 5> painters;
        std::array<std::unique_ptr<PainterCanvas>, 5> canvases;
        for (int i = 0; i < 5; ++i) {
            painted[i] = QImage(images[i].image().size(), QImage::Format_RGB32);
            painted[i].fill(Qt::white);
            painters[i] = std::make_unique<QPainter>(&painted[i]);
            canvases[i] = std::make_unique<PainterCanvas>(*painters[i], painted[i].size());
        }
        draw(c, {canvases[0].get(),
                 {canvases[1].get(), canvases[2].get(), canvases[3].get(), canvases[4].get()}});
    }

    static void draw(const Cube& c, const Pictures& pictures) {
        clearPictures(pictures);
        drawNet(pictures, c, true);
        for (int a = 0; a < kAnswers; ++a)
            drawAnswer(pictures, c, a);
    }
};

} // namespace

class PainterCanvasTest : public QObject {
    Q_OBJECT

private slots:
    void drawsAsImageCanvas_data() {
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("wrong"); // a wrongly picked answer, or -1
        QTest::addColumn<bool>("solved");
        QTest::addColumn<int>("shift"); // columns the net's box is moved by
        QTest::newRow("fresh") << 1 << -1 << false << 0;
        QTest::newRow("wrong pick") << 2 << 1 << false << 0;
        QTest::newRow("solved after a wrong pick") << 3 << 0 << true << 0;
        QTest::newRow("net off the picture") << 4 << -1 << true << 3;
    }

    void drawsAsImageCanvas() {
        // The same colours on the same pixels: only where Qt's raster outline
        // leaves out a corner pixel, which ImageCanvas sets by hand, may a
        // pixel differ.
        QFETCH(int, seed);
        QFETCH(int, wrong);
        QFETCH(bool, solved);
        QFETCH(int, shift);
        RandomSource randomSource(seed);
        Cube c{};
        makeCube(c, randomSource);
        if (wrong >= 0)
            c.picked[(c.correctAnswer + 1 + wrong) % kAnswers] = 1;
        c.picked[c.correctAnswer] = solved ? 1 : 0;
        c.netBounds[0] = static_cast<std::int8_t>(c.netBounds[0] - shift);
        c.netBounds[1] = static_cast<std::int8_t>(c.netBounds[1] - shift);

        const BothWays drawn(c);
        for (int i = 0; i < 5; ++i) {
            const QImage& expected = drawn.images[i].image();
            const QImage& actual = drawn.painted[i];
            int differ = 0;
            for (int y = 0; y < expected.height(); ++y)
                for (int x = 0; x < expected.width(); ++x)
                    differ += expected.pixel(x, y) != actual.pixel(x, y) ? 1 : 0;
            QVERIFY2(differ <= 30,
                     qPrintable(QStringLiteral("picture %1: %2 pixels differ").arg(i).arg(differ)));
        }
    }

    void drawsOnlyInsideItsArea_data() {
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("as is") << QPoint(0, 0) << 1.0;
        QTest::newRow("moved") << QPoint(70, 40) << 1.0;
        QTest::newRow("moved and enlarged") << QPoint(30, 20) << 2.5;
        QTest::newRow("moved and shrunk") << QPoint(150, 90) << 0.5;
    }

    void drawsOnlyInsideItsArea() {
        // A 100 x 80 canvas placed and scaled by the painter: a fill and a
        // polygon far larger than it cover its area exactly, and the painter
        // draws anywhere again once the canvas is gone.
        QFETCH(QPoint, place);
        QFETCH(qreal, scale);
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(place);
        painter.scale(scale, scale);
        {
            PainterCanvas canvas(painter, QSize(100, 80));
            canvas.setBrushColor(kBackgroundColor);
            canvas.fillRect({-50, -50, 1000, 1000});
            canvas.setBrushColor(kFaceColor);
            const Point diamond[] = {{50, -20}, {130, 40}, {50, 100}, {-30, 40}, {50, -20}};
            canvas.polygon(diamond, 5);
        }
        painter.resetTransform();
        painter.fillRect(QRect(395, 295, 5, 5), Qt::red);
        painter.end();

        const QRect area(place, QSize(qRound(100 * scale), qRound(80 * scale)));
        const QRgb white = qRgb(255, 255, 255);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (x >= 395 && y >= 295)
                    QCOMPARE(pixel, qRgb(255, 0, 0));
                else if (area.contains(x, y))
                    QVERIFY2(pixel != white, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                else
                    QVERIFY2(pixel == white, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        // The diamond reaches past every side but leaves the corners out.
        QCOMPARE(fromQRgb(image.pixel(area.center())), kFaceColor);
        QCOMPARE(fromQRgb(image.pixel(area.topLeft() + QPoint(1, 1))), kBackgroundColor);
    }
};

QTEST_GUILESS_MAIN(PainterCanvasTest)
#include "tst_painter_canvas.moc"
