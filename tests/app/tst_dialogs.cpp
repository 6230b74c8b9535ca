// The real message boxes and input box: caption, no icon, and only a
// pressed Yes counts as consent.
#include "app/dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace vexlor;

namespace {

// Runs act on the modal box once it is up.
void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        act(box);
    });
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    // The practice question returns the mix chosen; "recipes I choose" keeps
    // OK off (the box is cancelled) until a recipe is ticked.
    void askPractice_data() {
        QTest::addColumn<QString>("mix");  // the button clicked
        QTest::addColumn<int>("tick");     // the recipe ticked; -1: none
        QTest::addColumn<int>("returned"); // the mix returned; -1: nothing
        QTest::newRow("weakest") << "mixWeakest" << -1 << int(PracticeMix::WeakestOnly);
        QTest::newRow("chosen, none ticked") << "mixChosen" << -1 << -1;
        QTest::newRow("chosen, one ticked") << "mixChosen" << 6 << int(PracticeMix::Chosen);
    }
    void askPractice() {
        QFETCH(QString, mix);
        QFETCH(int, tick);
        QFETCH(int, returned);
        QtDialogs dialogs(nullptr);
        whenModal([&](QWidget* box) {
            box->findChild<QRadioButton*>(mix)->click();
            if (tick >= 0)
                box->findChild<QListWidget*>()->item(tick)->setCheckState(Qt::Checked);
            auto* buttons = box->findChild<QDialogButtonBox*>();
            QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
            (ok->isEnabled() ? ok : buttons->button(QDialogButtonBox::Cancel))->click();
        });
        const auto c = dialogs.askPractice({QStringLiteral("12"), PracticeMix::ReviewFirst, {}, 2});
        QCOMPARE(c ? int(c->mix) : -1, returned);
        QVERIFY(!c || (c->count == "12" && c->recipes[6] == (tick == 6)));
    }

    void askYesNo_data() {
        QTest::addColumn<int>("how"); // 0 Yes, 1 No, 2 Escape, 3 closed
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << 0 << true;
        QTest::newRow("No") << 1 << false;
        QTest::newRow("Escape") << 2 << false;
        QTest::newRow("closed") << 3 << false;
    }
    void askYesNo() {
        QFETCH(int, how);
        QFETCH(bool, answer);
        QtDialogs dialogs(nullptr);
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            switch (how) {
            case 0:
                box->button(QMessageBox::Yes)->click();
                break;
            case 1:
                box->button(QMessageBox::No)->click();
                break;
            case 2:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            default:
                box->close();
                break;
            }
        });
        QCOMPARE(dialogs.askYesNo("Delete all series?"), answer);
        QCOMPARE(caption, QStringLiteral("Vexlor"));
        QCOMPARE(text, QStringLiteral("Delete all series?"));
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    void showErrorHasOneButton() {
        QtDialogs dialogs(nullptr);
        int buttons = 0;
        QString caption;
        QString shown;
        whenModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            buttons = int(box->buttons().size());
            caption = box->windowTitle();
            shown = box->text() + '|' + box->informativeText();
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            box->button(QMessageBox::Ok)->click();
        });
        dialogs.showError("Error writing file.", "Disk full");
        QCOMPARE(buttons, 1);
        QCOMPARE(caption, QStringLiteral("Vexlor"));
        // What the system said stands under the text.
        QCOMPARE(shown, "Error writing file.|Disk full");
    }

    void inputBoxReturnsTextOnlyOnOk() {
        QtDialogs dialogs(nullptr);
        whenModal([](QWidget* w) {
            auto* input = qobject_cast<QInputDialog*>(w);
            QVERIFY(input != nullptr);
            QCOMPARE(input->textValue(), QStringLiteral("30"));
            QCOMPARE(input->labelText(), QStringLiteral("Number of Cubes for the new series:"));
            input->setTextValue("12");
            input->accept();
        });
        QCOMPARE(dialogs.inputBox("Vexlor", "Number of Cubes for the new series:", "30"),
                 std::optional<QString>("12"));

        whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        QCOMPARE(dialogs.inputBox("Vexlor", "Number of Cubes for the new series:", "30"),
                 std::optional<QString>());
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
