// How the window's controls, keys and pictures are wired to the test: every
// listed control is there under its name, each key and each picture picks
// the answer it shows, only a left click picks, a double-click counts once,
// what the pictures show matches a Cube drawn on its own, and a screen
// reader has a name for every control and hears how a pick went.
#include "printing/image_canvas.h"
#include "render/projection.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMouseEvent>
#include <QSet>
#include <QTest>

using namespace vexlor;

namespace {

// A Cube's question or answer picture drawn alone, as the window should
// show it: in the window's highlight colours.
QImage reference(const WindowFixture& w, const Cube& c, int answer) {
    ImageCanvas question(500, 500);
    std::array<ImageCanvas, kAnswers> answers{ImageCanvas(250, 250), ImageCanvas(250, 250),
                                              ImageCanvas(250, 250), ImageCanvas(250, 250)};
    const Pictures pictures{&question,
                            {&answers[0], &answers[1], &answers[2], &answers[3]},
                            makeProjection(250),
                            w.form->pictures().markOrder};
    clearPictures(pictures);
    if (answer < 0) {
        drawNet(pictures, c, true);
        return question.image();
    }
    drawAnswer(pictures, c, answer);
    return answers[answer].image();
}

// A double-click at a point of the window, delivered as the window system
// delivers it: a press and a release to the control under the pointer, then,
// to whatever control lies there once that click has been handled, a second
// press, the double-click and a release.
void doubleClickAt(QWidget* window, QPoint at) {
    const auto send = [&](QEvent::Type type) {
        QWidget* target = window->childAt(at);
        const QPointF local(target->mapFrom(window, at));
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, local, QPointF(window->mapToGlobal(at)), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    for (QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        send(type);
}

// What a screen reader says of a widget.
QString spoken(QWidget* widget, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(text) : QString();
}

} // namespace

class WindowWiringTest : public QObject {
    Q_OBJECT

private slots:
    // The listed names survive as object names, each on a control of the
    // listed kind, and no two controls share one.
    void everyListedControlIsThere() {
        WindowFixture w;
        const QStringList pictures = {"qu", "ans0", "ans1", "ans2", "ans3", "guzik", "guzik2"};
        const QStringList labels = {"next",    "Label15", "Label1", "Label4",  "Label5", "Label6",
                                    "scurr",   "sskip",   "smist",  "scust",   "Label8", "Label14",
                                    "Label9",  "Label10", "Label2", "Label12", "Label3", "Label7",
                                    "Label11", "Label13", "tcurr",  "socubes", "ttot",   "tavr",
                                    "mists",   "mpc"};
        const QStringList buttons = {
            "Button9",    "Button11",     "Button5",  "Button1", "Button8", "Button12", "Button3",
            "atmi",       "Button7",      "Button13", "Button4", "atcu",    "Button6",  "Button14",
            "newseriesb", "loadfromfile", "Button2",  "stst",    "skip"};
        const QStringList boxes = {"GroupBox1", "GroupBox2", "GroupBox3"};
        QCOMPARE(w.form->objectName(), QStringLiteral("Form1"));
        for (const QString& name : pictures)
            QVERIFY2(w.form->findChild<PictureWidget*>(name) != nullptr, qPrintable(name));
        for (const QString& name : labels)
            QVERIFY2(w.form->findChild<QLabel*>(name) != nullptr, qPrintable(name));
        for (const QString& name : buttons)
            QVERIFY2(w.form->findChild<QPushButton*>(name) != nullptr, qPrintable(name));
        for (const QString& name : boxes)
            QVERIFY2(w.form->findChild<QGroupBox*>(name) != nullptr, qPrintable(name));
        for (int i = 1; i <= 8; ++i)
            QVERIFY(w.form->findChild<QWidget*>(QStringLiteral("Bevel%1").arg(i)) != nullptr);
        QVERIFY(w.form->findChild<QTimer*>("tt") != nullptr);

        QSet<QString> seen;
        for (const QWidget* child : w.form->findChildren<QWidget*>()) {
            if (child->objectName().isEmpty() || child->objectName().startsWith("qt_"))
                continue;
            QVERIFY2(!seen.contains(child->objectName()), qPrintable(child->objectName()));
            seen.insert(child->objectName());
        }
    }

    // Every control has a name a reader can speak, none the same as
    // another's; a value is heard with its caption, and Start/Pause by what
    // it does now.
    void everyControlHasItsOwnSpokenName() {
        WindowFixture w;
        QHash<QString, QString> owner; // spoken name -> object name
        QList<QWidget*> widgets = w.form->findChildren<QWidget*>();
        widgets.prepend(w.form.get());
        for (QWidget* widget : widgets) {
            if (widget->objectName().startsWith("qt_"))
                continue;
            const QString name = spoken(widget);
            QVERIFY2(!name.trimmed().isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(!owner.contains(name),
                     qPrintable(QStringLiteral("%1 and %2: %3")
                                    .arg(owner.value(name), widget->objectName(), name)));
            owner.insert(name, widget->objectName());
        }
        w.start();
        QCOMPARE(spoken(w.button("stst")), QStringLiteral("Pause"));
        w.clock.advanceSeconds(2.34);
        w.form->updateClocks();
        QCOMPARE(spoken(w.label("tcurr")), QStringLiteral("Current Cube time 2.3"));
    }

    // A picked answer's picture is described as "wrong" or "correct", as its
    // colours show; pictures not picked, or blank, are described not at all.
    void pickedAnswersAreDescribed() {
        WindowFixture w;
        const auto described = [&w] {
            QStringList d;
            for (int a = 0; a < kAnswers; ++a)
                d << spoken(w.answerPicture(a), QAccessible::Description);
            return d;
        };
        const auto only = [](int answer, const QString& text) {
            QStringList d(kAnswers);
            if (answer >= 0)
                d[answer] = text;
            return d;
        };
        // The solved sample at start.
        QCOMPARE(described(), only(w.form->sampleCube().correctAnswer, "correct"));
        w.start();
        QCOMPARE(described(), only(-1, {}));
        const int wrong = w.wrongAnswer();
        const int correct = w.current()->correctAnswer;
        w.click(wrong);
        QCOMPARE(described(), only(wrong, "wrong"));
        w.click(correct);
        QStringList both = only(wrong, "wrong");
        both[correct] = "correct";
        QCOMPARE(described(), both);
        w.click(0);
        QCOMPARE(described(), only(-1, {}));
        w.click(w.wrongAnswer());
        w.key('0');
        QCOMPARE(described(), only(-1, {}));

        // A new series blanks the sample, and its description goes with it.
        WindowFixture fresh;
        fresh.newSeries(5);
        for (int a = 0; a < kAnswers; ++a)
            QCOMPARE(spoken(fresh.answerPicture(a), QAccessible::Description), QString());
    }

    // Answer a lies where the keypad key for it lies, shows answer a of the
    // Cube, and a left click on it or its key, on the main row or the
    // keypad, picks answer a.
    void eachAnswerIsWhereItsKeyIs_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<char>("key");
        QTest::addColumn<bool>("onKeypad");
        QTest::newRow("top left") << 0 << QPoint(516, 8) << '8' << false;
        QTest::newRow("top right") << 1 << QPoint(766, 8) << '9' << false;
        QTest::newRow("bottom left") << 2 << QPoint(516, 258) << '5' << false;
        QTest::newRow("bottom right") << 3 << QPoint(766, 258) << '6' << false;
        QTest::newRow("bottom right on the keypad") << 3 << QPoint(766, 258) << '6' << true;
    }

    void eachAnswerIsWhereItsKeyIs() {
        QFETCH(int, answer);
        QFETCH(QPoint, place);
        QFETCH(char, key);
        QFETCH(bool, onKeypad);
        for (bool byKey : {false, true}) {
            WindowFixture w;
            PictureWidget* picture = w.answerPicture(answer);
            QCOMPARE(picture->pos(), place);
            w.start();
            const Cube c = *w.current();
            QVERIFY(picture->canvas().image() == reference(w, c, answer));
            if (byKey)
                QTest::keyClick(w.form.get(), Qt::Key(key),
                                onKeypad ? Qt::KeypadModifier : Qt::NoModifier);
            else
                QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(125, 125));
            for (int a = 0; a < kAnswers; ++a)
                QCOMPARE(int(w.current()->picked[a]), a == answer ? 1 : 0);
        }
    }

    // Only a press of the left button let go over the same picture picks.
    void onlyALeftClickOnThePicturePicks_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("release"); // where the press at 125, 125 is let go
        QTest::newRow("right") << Qt::RightButton << QPoint(125, 125);
        QTest::newRow("middle") << Qt::MiddleButton << QPoint(125, 125);
        QTest::newRow("left, let go beside") << Qt::LeftButton << QPoint(260, 125);
        QTest::newRow("left, let go above") << Qt::LeftButton << QPoint(125, -1);
    }

    void onlyALeftClickOnThePicturePicks() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, release);
        WindowFixture w;
        w.start();
        for (int a = 0; a < kAnswers; ++a) {
            QTest::mousePress(w.answerPicture(a), button, {}, QPoint(125, 125));
            QTest::mouseRelease(w.answerPicture(a), button, {}, release);
        }
        for (int a = 0; a < kAnswers; ++a)
            QCOMPARE(int(w.current()->picked[a]), 0);
        QCOMPARE(w.count(SeriesId::Mistakes) + w.state.solved, 0);
    }

    // Moving on blanks the question picture before the next net is drawn:
    // nothing of the last net stays.
    void theNextNetIsDrawnOnABlankPicture() {
        WindowFixture w;
        w.start();
        for (int i = 0; i < 5; ++i) {
            w.click(w.current()->correctAnswer);
            QTest::mouseClick(w.label("next"), Qt::LeftButton);
            QVERIFY(w.picture("qu")->canvas().image() == reference(w, *w.current(), -1));
        }
    }

    // A double-click is one click: its second press neither picks an answer
    // of the Cube just solved nor one of the next Cube, which has only just
    // appeared.
    void aDoubleClickCountsOnce_data() {
        QTest::addColumn<bool>("onNext");
        QTest::newRow("on the correct answer") << false;
        QTest::newRow("on Next") << true;
    }

    void aDoubleClickCountsOnce() {
        QFETCH(bool, onNext);
        WindowFixture w;
        w.start();
        if (onNext) {
            w.click(w.current()->correctAnswer);
            QVERIFY(w.label("next")->isVisible());
            // Next lies across the answer pictures: once it hides, the second
            // press lands on the picture beneath.
            const QPoint at = w.label("next")->geometry().center();
            const Cube* solved = w.current();
            doubleClickAt(w.form.get(), at);
            QVERIFY(w.current() != solved);
            QCOMPARE(w.phase(), SessionPhase::Answering);
            for (int a = 0; a < kAnswers; ++a)
                QCOMPARE(int(w.current()->picked[a]), 0);
        } else {
            const Cube* cube = w.current();
            const QPoint at = w.answerPicture(cube->correctAnswer)->geometry().center();
            doubleClickAt(w.form.get(), at);
            QCOMPARE(w.current(), cube);
            QCOMPARE(w.phase(), SessionPhase::Answered);
        }
        QCOMPARE(w.count(SeriesId::Mistakes), 0);
    }
};

QTEST_MAIN(WindowWiringTest)
#include "tst_window_wiring.moc"
