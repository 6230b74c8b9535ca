// The main window and the test flow driven as the user drives them: clicks,
// keys and scripted answers, with a clock that moves only when told.
#include "app/series_commands.h"
#include "cube/cube.h"
#include "series/series_store.h"
#include "session/statistics.h"
#include "window_fixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace vexlor;

namespace {

QString textOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<QPushButton*>(w))
        return b->text();
    return {};
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void controlsSitWhereTheyBelong_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("qu") << "qu" << QRect(8, 8, 500, 500) << "";
        QTest::newRow("ans0") << "ans0" << QRect(516, 8, 250, 250) << "";
        QTest::newRow("ans1") << "ans1" << QRect(766, 8, 250, 250) << "";
        QTest::newRow("ans2") << "ans2" << QRect(516, 258, 250, 250) << "";
        QTest::newRow("ans3") << "ans3" << QRect(766, 258, 250, 250) << "";
        QTest::newRow("next") << "next" << QRect(520, 240, 493, 33) << "Next";
        QTest::newRow("Label15") << "Label15" << QRect(656, 700, 361, 14) << "";
        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(8, 520, 489, 193) << "";
        QTest::newRow("GroupBox3") << "GroupBox3" << QRect(504, 520, 145, 193) << "";
        QTest::newRow("GroupBox2") << "GroupBox2" << QRect(656, 520, 361, 177) << "";
        QTest::newRow("stst") << "stst" << QRect(8, 24, 129, 89) << "Start";
        QTest::newRow("skip") << "skip" << QRect(8, 120, 129, 65) << "Skip Cube";
        QTest::newRow("guzik") << "guzik" << QRect(240, 52, 49, 17) << "";
        QTest::newRow("guzik2") << "guzik2" << QRect(304, 52, 49, 17) << "";
        QTest::newRow("Button9") << "Button9" << QRect(368, 52, 49, 17) << "";
        QTest::newRow("Button11") << "Button11" << QRect(432, 52, 49, 17) << "";
        QTest::newRow("Button5") << "Button5" << QRect(240, 76, 49, 17) << "";
        QTest::newRow("Button1") << "Button1" << QRect(304, 76, 49, 17) << "";
        QTest::newRow("Button8") << "Button8" << QRect(368, 76, 49, 17) << "";
        QTest::newRow("Button12") << "Button12" << QRect(432, 76, 49, 17) << "";
        QTest::newRow("Button3") << "Button3" << QRect(240, 108, 49, 17) << "";
        QTest::newRow("atmi") << "atmi" << QRect(304, 108, 49, 17) << "";
        QTest::newRow("Button7") << "Button7" << QRect(368, 108, 49, 17) << "";
        QTest::newRow("Button13") << "Button13" << QRect(432, 108, 49, 17) << "";
        QTest::newRow("Button4") << "Button4" << QRect(240, 132, 49, 17) << "";
        QTest::newRow("atcu") << "atcu" << QRect(304, 132, 49, 17) << "";
        QTest::newRow("Button6") << "Button6" << QRect(368, 132, 49, 17) << "";
        QTest::newRow("Button14") << "Button14" << QRect(432, 132, 49, 17) << "";
        QTest::newRow("newseriesb")
            << "newseriesb" << QRect(8, 164, 217, 17) << "Create random series";
        QTest::newRow("loadfromfile") << "loadfromfile" << QRect(368, 164, 49, 17) << "Load";
        QTest::newRow("Button2") << "Button2" << QRect(432, 164, 49, 17) << "All";
        QTest::newRow("Bevel8") << "Bevel8" << QRect(8, 512, 1009, 9) << "";
        QTest::newRow("Bevel3") << "Bevel3" << QRect(231, 24, 9, 157) << "";
        QTest::newRow("Bevel1") << "Bevel1" << QRect(295, 24, 9, 132) << "";
        QTest::newRow("Bevel7") << "Bevel7" << QRect(8, 98, 473, 9) << "";
    }
    void controlsSitWhereTheyBelong() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        WindowFixture w;
        auto* control = w.form->findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(control->geometry(), geometry);
        if (!text.isEmpty())
            QCOMPARE(textOf(control), text);
        if (auto* button = qobject_cast<QPushButton*>(control))
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }

    void windowIsFixed() {
        WindowFixture w;
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Vexlor"));
        QCOMPARE(w.form->size(), QSize(1024, 721));
        w.form->resize(800, 600);
        QCOMPARE(w.form->size(), QSize(1024, 721));
        w.form->resize(1400, 900);
        QCOMPARE(w.form->size(), QSize(1024, 721));
        QCOMPARE(w.form->palette().color(QPalette::Window), QColor(40, 98, 162));
        QCOMPARE(w.form->font().pixelSize(), 21);
        // A moved window goes back to its place once the drag has settled.
        w.form->move(100, 100);
        QTRY_COMPARE(w.form->pos(), QPoint(-3, -3));
    }

    // The window shows its 32 x 32 icon of at most 16 colours, and the boxes
    // it opens show the same.
    void windowAndItsBoxesShowTheIcon() {
        WindowFixture w;
        const QIcon icon = w.form->windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        const QImage image = icon.pixmap(QSize(32, 32), 1.0).toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 2 && colours.size() <= 16,
                 qPrintable(QString::number(colours.size())));
        QMessageBox box(w.form.get());
        QCOMPARE(box.windowIcon().cacheKey(), icon.cacheKey());
    }

    void startUpShowsTheSolvedSample() {
        WindowFixture w;
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.count(SeriesId::Current), 30);
        QCOMPARE(w.label("scurr")->text(), QStringLiteral("30"));
        QCOMPARE(w.label("scurr")->geometry().right(), 224); // 213 + 12, kept as the text grew
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("0.0"));
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("0.0"));
        QCOMPARE(w.label("tavr")->text(), QStringLiteral("++"));
        QCOMPARE(w.label("mpc")->text(), QStringLiteral("++"));
        QCOMPARE(w.label("mists")->text(), QStringLiteral("0"));
        QCOMPARE(w.label("socubes")->text(), QStringLiteral("0"));
        QCOMPARE(w.button("stst")->text(), QStringLiteral("Start"));
        QVERIFY(!w.label("next")->isVisible());
        QVERIFY(isSolved(w.form->sampleCube()));
        QVERIFY(!isBlank(w.picture("qu")->canvas().image()));

        // Nothing happens to picks, skips or answer keys while stopped.
        const Cube* first = w.current();
        for (int a = 0; a < 4; ++a)
            w.click(a);
        for (char k : {'8', '9', '5', '6', '+'})
            w.key(k);
        QCOMPARE(w.current(), first);
        QCOMPARE(w.count(SeriesId::Mistakes), 0);
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.current()->clockStart, 0.0);

        // "0" starts the test with the first Cube of Current.
        w.key('0');
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QCOMPARE(w.button("stst")->text(), QStringLiteral("Pause"));
        QVERIFY(w.current()->clockStart > 0);
    }

    void picksCountMistakesOnceAndFileCopies() {
        WindowFixture w;
        w.start();
        Cube* c = w.current();
        const int wrong1 = w.wrongAnswer(0);
        const int wrong2 = w.wrongAnswer(1);

        w.clock.advanceSeconds(2);
        w.click(wrong1);
        QCOMPARE(w.state.mistakes, 1);
        QCOMPARE(w.count(SeriesId::Mistakes), 1);
        QCOMPARE(w.label("smist")->text(), QStringLiteral("1"));
        QCOMPARE(w.label("mists")->text(), QStringLiteral("1"));
        // The copy holds the clock stopped at the pick and not the pick itself.
        const Cube* copy1 = &w.store[SeriesId::Mistakes].front();
        QVERIFY(copy1 != c);
        QCOMPARE(int(copy1->picked[wrong1]), 0);
        QCOMPARE(copy1->clockStop, w.clock.now());
        QCOMPARE(c->clockStop, 0.0); // the Cube's own clock runs on

        // The same wrong pick again changes nothing.
        w.click(wrong1);
        QCOMPARE(w.state.mistakes, 1);
        QCOMPARE(w.count(SeriesId::Mistakes), 1);

        // Another wrong pick files a second copy that shows the first pick.
        w.click(wrong2);
        QCOMPARE(w.state.mistakes, 2);
        QCOMPARE(w.count(SeriesId::Mistakes), 2);
        QCOMPARE(int(w.store[SeriesId::Mistakes][1].picked[wrong1]), 1);
        QCOMPARE(int(w.store[SeriesId::Mistakes][1].picked[wrong2]), 0);
        QCOMPARE(w.label("mpc")->text(), QStringLiteral("++"));

        // The right pick: Answered, next shown, clocks stopped.
        w.clock.advanceSeconds(3);
        w.click(c->correctAnswer);
        QCOMPARE(w.phase(), SessionPhase::Answered);
        QVERIFY(w.label("next")->isVisible());
        QCOMPARE(w.state.solved, 1);
        QCOMPARE(w.label("socubes")->text(), QStringLiteral("1"));
        QCOMPARE(w.label("mpc")->text(), QStringLiteral("200%"));
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("5.0"));
        w.clock.advanceSeconds(7);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("5.0"));
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("5.0"));

        // Skip and Start/Pause do nothing now; any answer key moves on.
        w.key('+');
        w.start();
        QCOMPARE(w.phase(), SessionPhase::Answered);
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        w.key('6');
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QCOMPARE(w.count(SeriesId::Current), 29);
        QVERIFY(!w.label("next")->isVisible());
        // The Mistakes copies are untouched by moving on.
        QCOMPARE(w.count(SeriesId::Mistakes), 2);
        QCOMPARE(w.store[SeriesId::Mistakes].size(), std::size_t{2});
    }

    void nextLabelMovesOn() {
        WindowFixture w;
        w.start();
        // Before the answer Next neither picks nor moves on.
        w.form->moveOn();
        QCOMPARE(w.state.mistakes + w.state.solved + w.count(SeriesId::Current), 30);
        w.click(w.current()->correctAnswer);
        QVERIFY(w.label("next")->isVisible());
        QTest::mouseClick(w.label("next"), Qt::LeftButton);
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QCOMPARE(w.count(SeriesId::Current), 29);
    }

    // The clock timer runs only while a clock runs; once the clocks stop,
    // the labels show their final tenths.
    void clockTimerRunsOnlyWithTheClocks_data() {
        QTest::addColumn<QString>("keys"); // typed 1.26 s apart
        QTest::addColumn<bool>("active");
        QTest::newRow("before Start") << "" << false;
        QTest::newRow("running") << "0" << true;
        QTest::newRow("paused") << "00" << false;
        QTest::newRow("resumed") << "000" << true;
    }
    void clockTimerRunsOnlyWithTheClocks() {
        QFETCH(QString, keys);
        QFETCH(bool, active);
        WindowFixture w;
        for (const QChar key : keys) {
            w.clock.advanceSeconds(1.26);
            w.key(key.toLatin1());
        }
        QCOMPARE(w.form->findChild<QTimer*>("tt")->isActive(), active);
        // Clocks that stopped show their last tenths, as an update would now.
        const auto clocks = [&w]() -> QString {
            return w.label("tcurr")->text() + w.label("ttot")->text() + w.label("tavr")->text();
        };
        const QString shown = clocks();
        w.form->updateClocks();
        if (!active)
            QCOMPARE(shown, clocks());
    }

    void pauseHidesTheCubeAndStopsTime() {
        WindowFixture w;
        w.start();
        const int wrong = w.wrongAnswer();
        w.click(wrong);
        w.clock.advanceSeconds(4.25);
        w.start(); // pause
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QCOMPARE(w.button("stst")->text(), QStringLiteral("Start"));
        QVERIFY(isBlank(w.picture("qu")->canvas().image()));
        for (int a = 0; a < 4; ++a)
            QVERIFY(isBlank(w.answerPicture(a)->canvas().image()));
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("4.2"));
        w.clock.advanceSeconds(3600);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("4.2"));
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("4.2"));

        // Resuming redraws the Cube with its wrong pick and goes on.
        w.key('0');
        QVERIFY(!isBlank(w.picture("qu")->canvas().image()));
        QCOMPARE(int(w.current()->picked[wrong]), 1);
        w.clock.advanceSeconds(1);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("5.2"));
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("5.2"));
    }

    void skippedCubesComeBackInOrder() {
        WindowFixture w;
        w.newSeries(3);
        QCOMPARE(w.count(SeriesId::Current), 3);
        w.start();
        Cube first = *w.current();
        const int wrong = w.wrongAnswer();
        w.click(wrong);
        w.clock.advanceSeconds(2);
        w.key('+');
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        QCOMPARE(w.count(SeriesId::Current), 2);
        w.clock.advanceSeconds(10);
        w.click(w.current()->correctAnswer);
        w.click(0);
        w.clock.advanceSeconds(10);
        w.click(w.current()->correctAnswer);
        // The last Cube of Current is done: the skipped one comes back.
        w.click(0);
        QCOMPARE(w.count(SeriesId::Current), 1);
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        QVERIFY(w.store[SeriesId::Skipped].empty());
        QCOMPARE(w.current()->correctAnswer, first.correctAnswer);
        QCOMPARE(int(w.current()->picked[wrong]), 1);
        // Its time goes on from the 2 s it had when skipped.
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("2.0"));
        // The earlier wrong pick stays picked and counts nothing again.
        w.click(wrong);
        QCOMPARE(w.state.mistakes, 1);
    }

    void skippingTheLastCubeBringsItStraightBack() {
        WindowFixture w;
        w.newSeries(1);
        w.start();
        const Cube before = *w.current();
        w.clock.advanceSeconds(3);
        w.key('+');
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QCOMPARE(w.count(SeriesId::Current), 1);
        QCOMPARE(w.count(SeriesId::Skipped), 0);
        QCOMPARE(w.current()->correctAnswer, before.correctAnswer);
        w.clock.advanceSeconds(1);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("4.0"));
    }

    void finishingAndStartingAgain() {
        WindowFixture w;
        w.newSeries(1);
        w.start();
        w.clock.advanceSeconds(6);
        w.click(w.current()->correctAnswer);
        w.click(2);
        QCOMPARE(w.phase(), SessionPhase::Finished);
        QVERIFY(isBlank(w.picture("qu")->canvas().image()));
        QCOMPARE(w.button("stst")->text(), QStringLiteral("Start"));
        QVERIFY(!w.label("next")->isVisible());
        QCOMPARE(w.label("scurr")->text(), QStringLiteral("0"));
        QCOMPARE(w.label("socubes")->text(), QStringLiteral("1"));
        w.clock.advanceSeconds(50);
        w.form->updateClocks();
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("6.0"));
        QCOMPARE(w.label("tavr")->text(), QStringLiteral("6.0"));

        // Start runs "Create random series": a cancelled input box leaves
        // the test finished; a number starts the new series at once.
        w.dialogs.queueCancel();
        w.start();
        QCOMPARE(w.phase(), SessionPhase::Finished);
        w.dialogs.queueText("2");
        w.start();
        QCOMPARE(w.phase(), SessionPhase::Answering);
        QCOMPARE(w.count(SeriesId::Current), 2);
        QCOMPARE(w.state.solved, 0);
        QVERIFY(!w.dialogs.unexpected);
    }

    void aSolvedCubeStartsAnswered() {
        // A solved Cube reaches Current through the Series panel: starting
        // on it shows Next at once and leaves both clocks stopped.
        WindowFixture w;
        w.newSeries(1);
        w.start();
        w.clock.advanceSeconds(4);
        w.click(w.current()->correctAnswer);
        QTest::mouseClick(w.button("atcu"), Qt::LeftButton);
        QCOMPARE(w.count(SeriesId::Custom), 1);
        w.dialogs.queueYes();
        QTest::mouseClick(w.button("Button4"), Qt::LeftButton);
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QVERIFY(isSolved(*w.current()));

        w.clock.advanceSeconds(30);
        w.start();
        QCOMPARE(w.phase(), SessionPhase::Answered);
        QVERIFY(w.label("next")->isVisible());
        QVERIFY(!isBlank(w.picture("qu")->canvas().image()));
        w.clock.advanceSeconds(30);
        w.form->updateClocks();
        QCOMPARE(w.label("tcurr")->text(), QStringLiteral("4.0"));
        QCOMPARE(w.label("ttot")->text(), QStringLiteral("0.0"));
        // Start/Pause does nothing here; a pick moves on and finishes.
        w.key('0');
        QCOMPARE(w.phase(), SessionPhase::Answered);
        w.key('5');
        QCOMPARE(w.phase(), SessionPhase::Finished);
        QVERIFY(!w.dialogs.unexpected);
    }

    void closeQuestionPausesFirst() {
        WindowFixture w;
        w.start();
        w.dialogs.queueNo();
        w.key(27);
        QCOMPARE(w.dialogs.log.last(), QStringLiteral("ask: Close Vexlors?"));
        QVERIFY(w.form->isVisible());
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QVERIFY(isBlank(w.picture("qu")->canvas().image()));

        // In the Answered state the test stays answered.
        w.start();
        w.click(w.current()->correctAnswer);
        w.dialogs.queueNo();
        w.form->close();
        QCOMPARE(w.phase(), SessionPhase::Answered);
        QVERIFY(w.form->isVisible());

        w.dialogs.queueYes();
        QVERIFY(w.form->close());
        QVERIFY(!w.form->isVisible());
        // Closing frees every series.
        QCOMPARE(w.store.currentCube(), nullptr);
    }

    void losingActivationPauses() {
        WindowFixture w;
        w.start();
        QMetaObject::invokeMethod(qApp, "applicationStateChanged",
                                  Q_ARG(Qt::ApplicationState, Qt::ApplicationInactive));
        QCOMPARE(w.phase(), SessionPhase::Stopped);
        QMetaObject::invokeMethod(qApp, "applicationStateChanged",
                                  Q_ARG(Qt::ApplicationState, Qt::ApplicationActive));
        QCOMPARE(w.phase(), SessionPhase::Stopped);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
