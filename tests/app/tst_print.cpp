// Printing from the window: Ctrl+P pauses a running test, the dialog offers
// only series that hold Cubes, and the preview draws the worksheet.
#include "app/print_dialog.h"
#include "cube_compare.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QTimer>

using namespace vexlor;
using Choice = Dialogs::PrintChoice;
using Counts = std::array<int, kSeriesCount>;

Q_DECLARE_METATYPE(std::optional<Choice>)
Q_DECLARE_METATYPE(Counts)

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlPPrintsTheChosenSeries_data() {
        QTest::addColumn<bool>("emptyAll");
        QTest::addColumn<std::optional<Choice>>("choice"); // nothing: Cancel
        QTest::addColumn<QString>("lastBox");
        QTest::newRow("Current") << false << std::optional(Choice{}) << "preview: 30 Cubes";
        QTest::newRow("Mistakes") << false
                                  << std::optional(Choice{SeriesId::Mistakes, 4, "W3", false, true})
                                  << "preview: 1 Cubes";
        QTest::newRow("cancelled") << false << std::optional<Choice>() << "print: 30,0,1,0";
        QTest::newRow("an empty series")
            << false << std::optional(Choice{SeriesId::Skipped, 1, "W3", true, false})
            << "error: The Skipped series is empty: there is nothing to print.";
        QTest::newRow("every series empty")
            << true << std::optional<Choice>()
            << "error: Every series is empty: there is nothing to print.";
    }

    void ctrlPPrintsTheChosenSeries() {
        // Ctrl+P, with no control focused, pauses a running test as the
        // Series commands do and previews the chosen series with the chosen
        // options; an empty series is refused with a message.
        QFETCH(bool, emptyAll);
        QFETCH(std::optional<Choice>, choice);
        QFETCH(QString, lastBox);
        WindowFixture w;
        QApplication::setActiveWindow(w.form.get());
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.start();
        w.click(w.wrongAnswer()); // one Cube in Mistakes
        if (emptyAll) {
            w.store.clearAllSeries();
            w.form->flow().resetTest();
        } else if (choice) {
            w.dialogs.queuePrint(*choice);
        } else {
            w.dialogs.queueCancel();
        }
        QTest::keyClick(w.form.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(w.state.paused && !w.dialogs.unexpected && !w.dialogs.hasPending());
        QCOMPARE(w.dialogs.log.last(), lastBox);
        QCOMPARE(w.dialogs.log.first(), emptyAll ? lastBox : QStringLiteral("print: 30,0,1,0"));
        QCOMPARE(w.dialogs.previewed.size(), lastBox.startsWith("preview") ? 1u : 0u);
        if (w.dialogs.previewed.empty())
            return;
        const auto& [cubes, options] = w.dialogs.previewed.front();
        const Series& series = w.store[choice->series];
        QCOMPARE(cubes.size(), series.size());
        QVERIFY(std::equal(cubes.begin(), cubes.end(), series.begin(), sameCube));
        QVERIFY(options.itemsPerPage == choice->itemsPerPage && options.mono == choice->mono &&
                (options.parts == SheetParts::PupilsAndKey) == choice->key);
    }

    void dialogOffersOnlyFullSeries_data() {
        QTest::addColumn<Counts>("counts");
        QTest::addColumn<int>("chosen"); // -1: nothing can be chosen
        QTest::newRow("Current") << Counts{30, 0, 2, 0} << 0;
        QTest::newRow("Current empty") << Counts{0, 3, 0, 5} << 1;
        QTest::newRow("all empty") << Counts{0, 0, 0, 0} << -1;
    }

    void dialogOffersOnlyFullSeries() {
        // Current is chosen unless it is empty; an empty series cannot be
        // chosen, and with nothing to print there is nothing to accept.
        QFETCH(Counts, counts);
        QFETCH(int, chosen);
        const PrintDialog dialog(counts);
        const auto* series = dialog.findChild<QComboBox*>(QStringLiteral("printSeries"));
        for (int k = 0; k < kSeriesCount; ++k)
            QCOMPARE(qobject_cast<QStandardItemModel*>(series->model())->item(k)->isEnabled(),
                     counts[k] > 0);
        QCOMPARE(series->currentIndex(), std::max(chosen, 0));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("printPreviewButton"))->isEnabled(),
                 chosen >= 0);
    }

    void previewDrawsTheSheet_data() {
        QTest::addColumn<bool>("key");
        QTest::addColumn<int>("pages");
        QTest::newRow("with the key") << true << 3 + 1;
        QTest::newRow("no key") << false << 3;
    }

    void previewDrawsTheSheet() {
        // The preview's pages are the worksheet's: the pupils' pages, then
        // the key when asked for.
        QFETCH(bool, key);
        QFETCH(int, pages);
        WindowFixture w;
        const Series& current = w.store[SeriesId::Current];
        SheetOptions options;
        options.parts = key ? SheetParts::PupilsAndKey : SheetParts::PupilsOnly;
        QPrinter printer;
        const auto preview =
            makePrintPreview(printer, {current.begin(), current.begin() + 5}, options);
        preview->show();
        QTRY_COMPARE(preview->findChild<QPrintPreviewWidget*>()->pageCount(), pages);

        // Ctrl+P prints from the keyboard as the toolbar's Print does: it
        // asks for the printer first.
        QTRY_COMPARE(QApplication::activeWindow(), preview.get());
        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                asked = qobject_cast<QPrintDialog*>(box) != nullptr;
                box->close();
            }
        });
        QTest::keyClick(preview.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(asked);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
