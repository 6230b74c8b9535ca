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
    void eachRunsItsCommand_data() {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("firstBox"); // the box its command opens first
        QTest::addColumn<QString>("window");   // or the window it opens
        QTest::newRow("Ctrl+N create")
            << (Qt::CTRL | Qt::Key_N) << "ask: Delete the Current series and create a new one?"
            << "";
        QTest::newRow("Ctrl+O load") << (Qt::CTRL | Qt::Key_O) << "ask: Delete the Current series?"
                                     << "";
        QTest::newRow("Ctrl+S save Current") << (Qt::CTRL | Qt::Key_S) << "save: Save the series:"
                                             << "";
        QTest::newRow("Ctrl+P print") << (Qt::CTRL | Qt::Key_P) << "print: 30,0,0,0"
                                      << "";
        QTest::newRow("F2 progress") << QKeyCombination(Qt::Key_F2) << ""
                                     << "progress";
        QTest::newRow("F1 keys") << QKeyCombination(Qt::Key_F1) << ""
                                 << "keys";
    }
    void eachRunsItsCommand() {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, firstBox);
        QFETCH(QString, window);
        WindowFixture w;
        w.form->startPause();
        QVERIFY(!w.state.paused);
        QVERIFY(QApplication::focusWidget() == nullptr ||
                QApplication::focusWidget() == w.form.get());
        bool pausedFirst = false;
        w.dialogs.onOpen = [&] { pausedFirst = w.state.paused; };
        w.dialogs.queueCancel(); // No to a question, Cancel to a file dialog
        QTest::keyClick(w.form.get(), keys.key(), keys.keyboardModifiers());
        QVERIFY(w.state.paused);
        if (!firstBox.isEmpty()) {
            QVERIFY2(!w.dialogs.log.isEmpty() && w.dialogs.log.first().startsWith(firstBox),
                     qPrintable(w.dialogs.log.join('\n')));
            QVERIFY(pausedFirst);
        } else {
            QVERIFY2(w.dialogs.log.isEmpty(), qPrintable(w.dialogs.log.join('\n')));
            auto* opened = w.form->findChild<QDialog*>(window);
            QVERIFY(opened != nullptr && opened->isVisible());
        }
    }

    // The keys that picked, started, skipped and closed before still do, and
    // a modifier makes another key of a digit: Ctrl+8 picks nothing.
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
        auto* keys = w.form->findChild<KeysWindow*>(QStringLiteral("keys"));
        QVERIFY(keys != nullptr);
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
