// Printing from the window: Ctrl+P pauses a running test, the dialog offers
// only series that hold Cubes, and the preview draws the worksheet.
#include "app/print_dialog.h"
#include "app/series_commands.h"
#include "cube_compare.h"
#include "series/series_file.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
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
        QTest::newRow("4 versions of a part")
            << false
            << std::optional(Choice{SeriesId::Current, 6, "W3", true, false, 4, 5, 10, true})
            << "preview: 4 versions of 10 Cubes";
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
        // Version A is the part asked for as it is; each version has its
        // letter, the part's Cubes and the options chosen.
        const auto& sheets = w.dialogs.previewed.front();
        QCOMPARE(static_cast<int>(sheets.size()), choice->versions);
        const Series& series = w.store[choice->series];
        const auto from = series.begin() + choice->first;
        const auto to = choice->count == 0 ? series.end() : from + choice->count;
        QVERIFY(std::equal(sheets[0].cubes.begin(), sheets[0].cubes.end(), from, to, sameCube));
        for (std::size_t v = 0; v < sheets.size(); ++v) {
            const auto& [cubes, options] = sheets[v];
            QCOMPARE(cubes.size(), static_cast<std::size_t>(to - from));
            for (std::size_t i = 0; i < cubes.size(); ++i)
                QVERIFY(std::equal(std::begin(cubes[i].faceSymbol), std::end(cubes[i].faceSymbol),
                                   std::begin(from[i].faceSymbol)));
            QCOMPARE(options.version,
                     sheets.size() == 1 ? QString() : QString(QChar(u'A' + static_cast<int>(v))));
            QVERIFY(options.itemsPerPage == choice->itemsPerPage && options.mono == choice->mono &&
                    (options.parts == SheetParts::PupilsAndKey) == choice->key &&
                    options.answerGrid == choice->answerGrid);
        }
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
        // The part to print is every Cube of the series at first; a count to
        // the end stays at the end as the first item moves.
        auto* first = dialog.findChild<QSpinBox*>(QStringLiteral("printFirst"));
        auto* count = dialog.findChild<QSpinBox*>(QStringLiteral("printCount"));
        const int n = std::max(1, counts[std::max(chosen, 0)]);
        QVERIFY(first->value() == 1 && first->maximum() == n && count->value() == n);
        first->setValue(n);
        QVERIFY(count->value() == 1 && count->maximum() == 1);
    }

    void classReportTakesSeveralFiles_data() {
        QTest::addColumn<QStringList>("files"); // nothing: Cancel
        QTest::addColumn<QString>("lastBox");
        QTest::newRow("two pupils and a series")
            << QStringList{"pia", "tom", "plain"} << "report: 2 pupils, 3 items, 1 left out";
        QTest::newRow("no results")
            << QStringList{"plain"} << "error: None of the files chosen holds a pupil's results.";
        QTest::newRow("cancelled") << QStringList{} << "open files: ";
    }

    void classReportTakesSeveralFiles() {
        // The class report pauses a running test, takes several files from
        // one dialog and previews their report; files that are no results
        // are left out, and with none left a message names each and why.
        QFETCH(QStringList, files);
        QFETCH(QString, lastBox);
        QTemporaryDir dir;
        RandomSource randomSource(3);
        SeriesStore made;
        made.seriesSize = 3;
        made.makeRandomSeries(randomSource);
        Series& cubes = made[SeriesId::Current];
        for (const char* name : {"plain", "tom", "pia"}) { // the pupils answered the first
            QCOMPARE(saveSeriesFile(dir.filePath(QString(name) + ".srs"), cubes, false),
                     WriteResult::Ok);
            cubes[0].picked[cubes[0].correctAnswer] = 1;
        }
        WindowFixture w;
        w.start();
        QStringList paths;
        for (const QString& f : files)
            paths << dir.filePath(f + ".srs");
        if (files.isEmpty())
            w.dialogs.queueCancel();
        else
            w.dialogs.queueFiles(paths);
        w.form->commands().classReport();
        QVERIFY(w.state.paused && !w.dialogs.unexpected && !w.dialogs.hasPending());
        QVERIFY2(w.dialogs.log.last().startsWith(lastBox), qPrintable(w.dialogs.log.last()));
        QCOMPARE(w.dialogs.reports.size(), lastBox.startsWith("report") ? 1u : 0u);
        if (lastBox.startsWith("error"))
            QCOMPARE(w.dialogs.errorDetails.last(),
                     "plain: no Cube is answered: not a results file");
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
        const auto preview = makePrintPreview(
            printer, {{std::vector<Cube>(current.begin(), current.begin() + 5), options}});
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
