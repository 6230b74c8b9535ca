// The real message boxes and input box: caption, no icon, and only a
// pressed Yes counts as consent.
#include "app/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
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
