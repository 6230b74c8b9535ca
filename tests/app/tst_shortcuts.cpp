// The window's commands: each an action with keys of its own, run by its
// keys and its button, listed by F1; and the focus after a box.
#include "app/keys_window.h"
#include "app/progress_window.h"
#include "app/window_commands.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>

using namespace vexlor;

class ShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    // Every command: keys no other action has, run by its first key and its
    // button, and listed by F1 with its keys, heard as one line.
    void everyCommandIsAnAction_data() {
        QTest::addColumn<int>("command");
        const auto commands = windowCommands();
        for (std::size_t k = 0; k < commands.size(); ++k)
            QTest::newRow(commands[k].name) << int(k);
    }
    void everyCommandIsAnAction() {
        QFETCH(int, command);
        const WindowCommand& c = windowCommands()[static_cast<std::size_t>(command)];
        WindowFixture w;
        // Every box asked is answered No or Cancel.
        w.dialogs.fallback = [](const QString&) { return std::nullopt; };
        auto* action = w.form->findChild<QAction*>(QString::fromLatin1(c.name));
        QVERIFY(action != nullptr);
        QVERIFY(!action->shortcuts().isEmpty());
        for (const QAction* other : w.form->actions())
            for (const QKeySequence& key : action->shortcuts())
                QVERIFY2(other == action || !other->shortcuts().contains(key),
                         qPrintable(other->objectName() + " shares " + key.toString()));

        QSignalSpy ran(action, &QAction::triggered);
        QTest::keySequence(w.form.get(), action->shortcuts().constFirst());
        QCOMPARE(ran.size(), 1);
        if (c.button != nullptr) {
            QTest::mouseClick(w.find(QString::fromLatin1(c.button)), Qt::LeftButton);
            QCOMPARE(ran.size(), 2);
        }

        w.form->showKeys();
        const auto* list = w.form->findChild<KeysWindow*>();
        const auto* keys = list->findChild<QLabel*>("keys:" + action->objectName());
        const auto* does = list->findChild<QLabel*>("does:" + action->objectName());
        QVERIFY(keys != nullptr && does != nullptr);
        const QString text = KeysWindow::keyText(action->shortcuts());
        QCOMPARE(keys->text() + " | " + does->text(), text + " | " + action->text());
        QCOMPARE(keys->accessibleName(), text + ": " + action->text());
    }

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
        QTest::newRow("F3") << QKeyCombination(Qt::Key_F3) << "explanation";
        QTest::newRow("Shift+F3") << (Qt::SHIFT | Qt::Key_F3) << "explanation";
        QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << "keys";
        QTest::newRow("Esc") << QKeyCombination(Qt::Key_Escape) << "ask: Close Vexlors?";
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
    // keypad's 8 picks as 8 does. "+" skips whether it comes with Shift, as
    // many keyboards type it, or not.
    void modifiersCount() {
        WindowFixture w;
        w.form->startPause();
        QTest::keyClick(w.form.get(), Qt::Key_Plus, Qt::ShiftModifier);
        QCOMPARE(w.count(SeriesId::Skipped), 1);
        QTest::keyClick(w.form.get(), Qt::Key_8, Qt::ControlModifier);
        QCOMPARE(w.current()->picked[0], std::int8_t{0});
        QTest::keyClick(w.form.get(), Qt::Key_8, Qt::KeypadModifier);
        QCOMPARE(w.current()->picked[0], std::int8_t{1});
    }

    // F2, Alt+P, Esc on the box it asks: the next Esc closes Progress, the
    // window the box was asked from, rather than asking to close Vexlor.
    void focusGoesBackToTheWindowThatAsked() {
        QtDialogs boxes;
        WindowFixture w(nullptr, nullptr, RandomSource::secondsNow(), &boxes);
        boxes.setHome(w.form.get());
        QTRY_COMPARE(QApplication::activeWindow(), w.form.get());
        // Every box is escaped once it opens, and its text kept.
        QStringList asked;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&asked] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked << box->text();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        watch.start(10);
        QTest::keyClick(w.form.get(), Qt::Key_F2);
        ProgressWindow* progress = w.form->progressWindow();
        QTRY_COMPARE(QApplication::activeWindow(), progress);
        QTest::keyClick(progress, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), progress);
        QTest::keyClick(progress, Qt::Key_Escape);
        QTRY_VERIFY(!progress->isVisible());
        QVERIFY(w.form->isVisible());
        QCOMPARE(asked, QStringList{"Delete the Current series and create a new one?"});
    }
};

QTEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
