// The window's shortcuts: each runs its command, a running test pauses
// before the command shows anything, and they work with no control holding
// the focus. F1 lists every key the window answers.
#include "app/keys_window.h"
#include "app/progress_window.h"
#include "window_fixture.h"

#include <QApplication>

using namespace vexlor;

class ShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    // Each key pauses the running test, then opens the box its command asks
    // first (answered No or Cancel) or the window it shows.
    void eachRunsItsCommand_data() {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("opens"); // the box's first words or the window's name
        // clang-format off
        QTest::newRow("Ctrl+N") << (Qt::CTRL | Qt::Key_N) << "ask: Delete the Current series and create a new one?";
        QTest::newRow("Ctrl+O") << (Qt::CTRL | Qt::Key_O) << "ask: Delete the Current series?";
        QTest::newRow("Ctrl+S") << (Qt::CTRL | Qt::Key_S) << "save: Save the series:";
        QTest::newRow("Ctrl+P") << (Qt::CTRL | Qt::Key_P) << "print: 30,0,0,0";
        QTest::newRow("F2") << QKeyCombination(Qt::Key_F2) << "progress";
        QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << "keys";
        // clang-format on
    }
    void eachRunsItsCommand() {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, opens);
        WindowFixture w;
        w.form->startPause();
        QVERIFY(!w.state.paused);
        QVERIFY(QApplication::focusWidget() == nullptr ||
                QApplication::focusWidget() == w.form.get());
        bool pausedFirst = false;
        w.dialogs.onOpen = [&] { pausedFirst = w.state.paused; };
        w.dialogs.queueCancel();
        QTest::keyClick(w.form.get(), keys.key(), keys.keyboardModifiers());
        QVERIFY(w.state.paused);
        const auto* window = w.form->findChild<QDialog*>(opens);
        if (window != nullptr)
            QVERIFY2(window->isVisible() && w.dialogs.log.isEmpty(),
                     qPrintable(w.dialogs.log.join('\n')));
        else
            QVERIFY2(pausedFirst && w.dialogs.log.value(0).startsWith(opens),
                     qPrintable(w.dialogs.log.join('\n')));
    }

    // A modifier makes another key of a digit: Ctrl+8 picks nothing, the
    // keypad's 8 picks as 8 does.
    void modifiersCount() {
        WindowFixture w;
        w.form->startPause();
        QTest::keyClick(w.form.get(), Qt::Key_8, Qt::ControlModifier);
        QCOMPARE(w.current()->picked[0], std::int8_t{0});
        QTest::keyClick(w.form.get(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(w.current()->picked[0], std::int8_t{1});
    }

    // F1 lists every key the window answers, each once.
    void keysWindowListsEveryKey() {
        WindowFixture w;
        QTest::keyClick(w.form.get(), Qt::Key_F1);
        const auto* keys = w.form->findChild<KeysWindow*>();
        QVERIFY(keys);
        QStringList listed;
        for (const QLabel* label : keys->findChildren<QLabel*>())
            if (label->objectName().startsWith(QLatin1String("key")))
                listed << label->text();
        const QStringList expected{"8",      "9",      "5",      "6",  "0",  "+",  "Ctrl+N",
                                   "Ctrl+O", "Ctrl+S", "Ctrl+P", "F2", "F1", "Esc"};
        QCOMPARE(listed, expected);
    }
};

QTEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
