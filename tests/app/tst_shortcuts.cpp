// The window's commands: each is one action with keys of its own, reached by
// them with no control holding the focus; a button runs its command's
// action; F1 lists every action with its keys, a reader hearing each line
// whole; a running test pauses before a command shows anything; and the
// focus goes back to the window a box was asked from.
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
    // Every command of the table: its action has keys that no other action
    // has, its first key and its button (where it has one) each run it
    // once, and F1 lists it with its keys, heard as one line.
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
        // Every box asked is answered No or Cancel: the commands run, and
        // nothing changes.
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
        const auto* keys = w.form->findChild<KeysWindow*>();
        const QString keyText = KeysWindow::keyText(action->shortcuts());
        QStringList lines;
        for (const QLabel* label : keys->findChildren<QLabel*>())
            if (label->objectName().startsWith(QLatin1String("key")) && label->text() == keyText)
                lines
                    << label->accessibleName() + " | " +
                           keys->findChild<QLabel*>("action" + label->objectName().mid(3))->text();
        QCOMPARE(lines, QStringList{keyText + ": " + action->text() + " | " + action->text()});
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
        QTest::newRow("Ctrl+Shift+1") << (Qt::CTRL | Qt::SHIFT | Qt::Key_1) << "save: Save the series:";
        QTest::newRow("Ctrl+Alt+1") << (Qt::CTRL | Qt::ALT | Qt::Key_1) << "ask: Delete the Current series?";
        QTest::newRow("Ctrl+Alt+A") << (Qt::CTRL | Qt::ALT | Qt::Key_A) << "ask: Delete all series?";
        QTest::newRow("Ctrl+P") << (Qt::CTRL | Qt::Key_P) << "print: 30,0,0,0";
        QTest::newRow("F2") << QKeyCombination(Qt::Key_F2) << "progress";
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

    // The test's keys as keyboards deliver them: a modifier makes another
    // key of a digit, the keypad's digits pick as the others do, and "+"
    // skips whether it comes with Shift or not.
    void keysAsTyped_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("does");
        QTest::newRow("8") << int(Qt::Key_8) << int(Qt::NoModifier) << "picks 0";
        QTest::newRow("keypad 6") << int(Qt::Key_6) << int(Qt::KeypadModifier) << "picks 3";
        QTest::newRow("Ctrl+8") << int(Qt::Key_8) << int(Qt::ControlModifier) << "nothing";
        QTest::newRow("+") << int(Qt::Key_Plus) << int(Qt::NoModifier) << "skips";
        QTest::newRow("Shift and +") << int(Qt::Key_Plus) << int(Qt::ShiftModifier) << "skips";
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << "skips";
    }
    void keysAsTyped() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, does);
        WindowFixture w;
        w.form->startPause();
        const Cube before = *w.current();
        QTest::keyClick(w.form.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QString did = QStringLiteral("nothing");
        if (w.count(SeriesId::Skipped) == 1)
            did = QStringLiteral("skips");
        for (int a = 0; a < kAnswers; ++a)
            if (w.current()->picked[a] != before.picked[a])
                did = QStringLiteral("picks %1").arg(a);
        QCOMPARE(did, does);
    }

    // F2, Alt+P (Practise weakest recipes), Esc on the box that asks: the
    // next Esc closes the Progress window, the one the box was asked from,
    // rather than asking to close Vexlor.
    void focusGoesBackToTheWindowThatAsked() {
        FakeClock clock;
        RandomSource randomSource(1);
        SeriesStore store;
        SessionState state;
        QTemporaryDir dir;
        HistoryStore history(dir.filePath("history.sqlite"));
        QSettings settings(dir.filePath("Vexlor.conf"), QSettings::IniFormat);
        QtDialogs dialogs;
        MainWindow form({dialogs, store, state, history, settings, clock, randomSource});
        dialogs.setHome(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Escapes the next box, whenever it opens: a mnemonic clicks its
        // button a moment after the key.
        QStringList asked;
        const auto escapeTheNextBox = [&asked, &form] {
            auto* watch = new QTimer(&form);
            QObject::connect(watch, &QTimer::timeout, watch, [watch, &asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    watch->stop();
                    asked << box->text();
                    QTest::keyClick(box, Qt::Key_Escape);
                }
            });
            watch->start(10);
        };
        QTest::keyClick(&form, Qt::Key_F2);
        ProgressWindow* progress = form.progressWindow();
        QVERIFY(progress != nullptr);
        QTRY_COMPARE(QApplication::activeWindow(), progress);
        escapeTheNextBox();
        QTest::keyClick(progress, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(asked.size(), 1);
        QTRY_COMPARE(QApplication::activeWindow(), progress);
        escapeTheNextBox();
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_Escape);
        QTRY_VERIFY(!progress->isVisible());
        QVERIFY(form.isVisible());
        QCOMPARE(asked, QStringList{"Delete the Current series and create a new one?"});
    }
};

QTEST_MAIN(ShortcutsTest)
#include "tst_shortcuts.moc"
