// The pictures on a screen of a higher device pixel ratio: run at scale
// factors 1, 1.25, 1.5 and 2 (QT_SCALE_FACTOR), they are drawn at the screen's
// resolution with the geometry they have at ratio 1, and shown pixel for
// device pixel.
#include "window_fixture.h"

#include <QTest>

#include <cmath>

using namespace vexlor;

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheScreensResolution_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("question") << "qu" << QSize(500, 500);
        QTest::newRow("answer") << "ans0" << QSize(250, 250);
        QTest::newRow("cross") << "guzik" << QSize(49, 17);
    }
    void picturesHaveTheScreensResolution() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        WindowFixture w;
        const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(w.form->devicePixelRatioF(), ratio);
        PictureWidget* picture = w.picture(qPrintable(name));
        QCOMPARE(picture->size(), size);
        const QImage& image = picture->canvas().image();
        QCOMPARE(image.size(),
                 QSize(std::ceil(size.width() * ratio), std::ceil(size.height() * ratio)));
        QCOMPARE(image.devicePixelRatio(), ratio);

        // What the window shows is the image itself, not a scaled copy.
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect both = QRect(QPoint(), shown.size()).intersected(image.rect());
        QVERIFY(both.width() >= image.width() - 1 && both.height() >= image.height() - 1);
        QVERIFY(shown.copy(both) == image.copy(both));
    }

    // Every device pixel of a cross is the window's or the line's colour,
    // also where a fractional ratio ends the image part of a logical pixel
    // past the picture.
    void crossesLeaveNoDevicePixelUnpainted_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("guzik") << "guzik";
        QTest::newRow("guzik2") << "guzik2";
    }
    void crossesLeaveNoDevicePixelUnpainted() {
        QFETCH(QString, name);
        WindowFixture w;
        const QImage& image = w.picture(qPrintable(name))->canvas().image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const Color pixel = fromQRgb(image.pixel(x, y));
                QVERIFY2(pixel == kWindowColor || pixel == kBackgroundColor,
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
    }

    // The top outline of an answer cube rises and falls by at most one
    // device pixel from one device column to the next, where a 1x picture
    // scaled up would jump by whole logical pixels.
    void slantedOutlinesStepByOneDevicePixel() {
        WindowFixture w;
        const QImage& image = w.answerPicture(0)->canvas().image();
        const QRgb back = qRgb(207, 224, 243);
        QList<int> tops;
        for (int x = 0; x < image.width(); ++x) {
            int y = 0;
            while (y < image.height() && image.pixel(x, y) == back)
                ++y;
            if (y < image.height())
                tops.append(y);
        }
        QVERIFY(tops.size() > image.width() / 2);
        // The cube's left and right edges are vertical; their columns are
        // left out.
        int steps = 0;
        for (qsizetype i = 3; i + 3 < tops.size(); ++i) {
            QVERIFY2(
                std::abs(tops[i] - tops[i - 1]) <= 1,
                qPrintable(
                    QStringLiteral("column %1: %2 after %3").arg(i).arg(tops[i]).arg(tops[i - 1])));
            steps += tops[i] != tops[i - 1] ? 1 : 0;
        }
        QVERIFY(steps > tops.size() / 4);
    }
};

QTEST_MAIN(HighDensityTest)
#include "tst_high_density.moc"
