// Printing from the window: Ctrl+P pauses a running test, the dialog offers
// only series that hold Cubes, and the preview draws the worksheet.
#include "app/print_dialog.h"
#include "cube_compare.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardItemModel>
#include <QTest>

using namespace vexlor;

Q_DECLARE_METATYPE(std::optional<vexlor::Dialogs::PrintChoice>)
Q_DECLARE_METATYPE(vexlor::tool::SheetParts)

namespace {

using Counts = std::array<int, kSeriesCount>;

} // namespace

Q_DECLARE_METATYPE(Counts)

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void ctrlPPrintsTheChosenSeries_data() {
        QTest::addColumn<bool>("emptyAll");
        QTest::addColumn<std::optional<Dialogs::PrintChoice>>("choice"); // nothing: Cancel
        QTest::addColumn<QString>("lastBox");
        const Dialogs::PrintChoice current{};
        const Dialogs::PrintChoice mistakes{SeriesId::Mistakes, 4, "Week 3", false, true};
        const Dialogs::PrintChoice skipped{SeriesId::Skipped, 1, "Week 3", true, false};
        const auto none = std::optional<Dialogs::PrintChoice>();
        QTest::newRow("Current") << false << std::optional(current) << "preview: 30 Cubes";
        QTest::newRow("Mistakes") << false << std::optional(mistakes) << "preview: 1 Cubes";
        QTest::newRow("cancelled") << false << none << "print: 30,0,1,0";
        QTest::newRow("an empty series")
            << false << std::optional(skipped)
            << "error: The Skipped series is empty: there is nothing to print.";
        QTest::newRow("every series empty")
            << true << none << "error: Every series is empty: there is nothing to print.";
    }

    void ctrlPPrintsTheChosenSeries() {
        // Ctrl+P works with no control focused, pauses a running test as the
        // Series commands do, and previews the chosen series with the
        // chosen options; an empty series is refused with a message.
        QFETCH(bool, emptyAll);
        QFETCH(std::optional<Dialogs::PrintChoice>, choice);
        QFETCH(QString, lastBox);
        WindowFixture w;
        QApplication::setActiveWindow(w.form.get());
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        w.start();
        w.click(w.wrongAnswer()); // one Cube in Mistakes
        if (emptyAll) {
            w.store.clearAllSeries();
            w.form->flow().resetTest();
        }
        if (choice)
            w.dialogs.queuePrint(*choice);
        else if (!emptyAll)
            w.dialogs.queueCancel();
        QVERIFY(QApplication::focusWidget() == nullptr ||
                QApplication::focusWidget() == w.form.get());
        QTest::keyClick(w.form.get(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(w.state.paused);
        QVERIFY(!w.dialogs.unexpected && !w.dialogs.hasPending());
        QCOMPARE(w.dialogs.log.last(), lastBox);
        QCOMPARE(w.dialogs.log.first(), emptyAll ? lastBox : QStringLiteral("print: 30,0,1,0"));
        QCOMPARE(int(w.dialogs.previewed.size()), lastBox.startsWith("preview") ? 1 : 0);
        if (w.dialogs.previewed.empty())
            return;
        const auto& [cubes, options] = w.dialogs.previewed.front();
        const Series& series = w.store[choice->series];
        QCOMPARE(cubes.size(), series.size());
        for (std::size_t i = 0; i < cubes.size(); ++i)
            QVERIFY(sameCube(cubes[i], series[i]));
        QCOMPARE(options.itemsPerPage, choice->itemsPerPage);
        QCOMPARE(options.title,
                 choice->title.isEmpty() ? QStringLiteral("Cube folding") : choice->title);
        QCOMPARE(options.parts,
                 choice->key ? tool::SheetParts::PupilsAndKey : tool::SheetParts::PupilsOnly);
        QCOMPARE(options.mono, choice->mono);
    }

    void dialogOffersOnlyFullSeries_data() {
        QTest::addColumn<Counts>("counts");
        QTest::addColumn<int>("chosen"); // -1: nothing can be chosen
        QTest::newRow("Current") << Counts{30, 0, 2, 0} << 0;
        QTest::newRow("Current empty") << Counts{0, 3, 0, 5} << 1;
        QTest::newRow("only Custom") << Counts{0, 0, 0, 1} << 3;
        QTest::newRow("all empty") << Counts{0, 0, 0, 0} << -1;
    }

    void dialogOffersOnlyFullSeries() {
        // Current is chosen unless it is empty; an empty series cannot be
        // chosen, and with nothing to print there is nothing to accept.
        QFETCH(Counts, counts);
        QFETCH(int, chosen);
        PrintDialog dialog(counts);
        auto* series = dialog.findChild<QComboBox*>(QStringLiteral("printSeries"));
        QVERIFY(series != nullptr);
        const auto* model = qobject_cast<QStandardItemModel*>(series->model());
        for (int k = 0; k < kSeriesCount; ++k)
            QCOMPARE(model->item(k)->isEnabled(), counts[k] > 0);
        QCOMPARE(series->itemText(0), counts[0] == 30 ? QStringLiteral("Current (30 Cubes)")
                                                      : QStringLiteral("Current (empty)"));
        auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("printButtons"));
        QCOMPARE(buttons->button(QDialogButtonBox::Ok)->isEnabled(), chosen >= 0);
        const Dialogs::PrintChoice c = dialog.choice();
        QCOMPARE(int(c.series), std::max(chosen, 0));
        QCOMPARE(c.itemsPerPage, 2);
        QCOMPARE(c.title, QStringLiteral("Cube folding"));
        QVERIFY(c.key && !c.mono);
    }

    void previewDrawsTheSheet_data() {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<tool::SheetParts>("parts");
        QTest::addColumn<int>("pages");
        QTest::newRow("2 a page and the key") << 2 << tool::SheetParts::PupilsAndKey << 3 + 1;
        QTest::newRow("4 a page, no key") << 4 << tool::SheetParts::PupilsOnly << 2;
    }

    void previewDrawsTheSheet() {
        // The preview's pages are the worksheet's: the pupils' pages, then
        // the key when asked for.
        QFETCH(int, perPage);
        QFETCH(tool::SheetParts, parts);
        QFETCH(int, pages);
        WindowFixture w;
        const Series& current = w.store[SeriesId::Current];
        const std::vector<Cube> cubes(current.begin(), current.begin() + 5);
        tool::SheetOptions options;
        options.itemsPerPage = perPage;
        options.parts = parts;
        QPrinter printer;
        const auto preview = makePrintPreview(printer, cubes, options);
        preview->show();
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(widget != nullptr);
        QTRY_COMPARE(widget->pageCount(), pages);
    }
};

QTEST_MAIN(PrintTest)
#include "tst_print.moc"
