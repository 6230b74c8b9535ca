// Worksheets where a teacher waits for them: the sheet of 500 Cubes as
// vexlor-series writes it (in the process and as the whole command), the
// window's print preview of a 30-Cube series opening, and the class report
// of 30 pupils over 20 items in four versions. Each comes with its floor
// from the same run: what Qt alone takes for an empty PDF, a process start
// and an empty preview, so that a slow machine shows as such.
#include "app/print_dialog.h"
#include "cube/answer_order.h"
#include "cube/random.h"
#include "printing/class_report_print.h"
#include "printing/worksheet.h"
#include "series/class_report.h"
#include "series/series_file.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <vector>

using namespace vexlor;

namespace {

std::vector<Cube> generated(int n) {
    RandomSource randomSource(1'700'000'000);
    SeriesStore store;
    store.seriesSize = n;
    store.makeRandomSeries(randomSource);
    const Series& s = store[SeriesId::Current];
    return {s.begin(), s.end()};
}

// The PDF of a sheet of cubes into memory, as the tool writes it.
qint64 pdfOf(const std::vector<Cube>& cubes) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SheetOptions options;
        options.title = defaultSheetTitle();
        setUpSheetPage(writer, options);
        printSheet(writer, cubes, options);
    }
    return buffer.size();
}

// Floor: a PDF of one blank page.
void BM_EmptyPdf(benchmark::State& state) {
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.end();
    }
}
BENCHMARK(BM_EmptyPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// 500 Cubes: 250 pupils' pages and the key's 2.
void BM_Sheet500(benchmark::State& state) {
    const std::vector<Cube> cubes = generated(500);
    for (auto _ : state)
        benchmark::DoNotOptimize(pdfOf(cubes));
}
BENCHMARK(BM_Sheet500)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command, `vexlor-series sheet` of a 500-Cube file, against the
// floor of starting the tool at all (`--version`).
int runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(VEXLOR_SERIES_BIN), args);
    tool.waitForFinished(60'000);
    return tool.exitCode();
}

void BM_ToolStart(benchmark::State& state) {
    for (auto _ : state)
        if (runTool({QStringLiteral("--version")}) != 0)
            state.SkipWithError("the tool did not start");
}
BENCHMARK(BM_ToolStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// 30 pupils' results over 20 Cubes, each pupil on one of four versions,
// answering each Cube right, wrong or not at all, with a time on it.
std::vector<ResultsFile> classResults(const std::vector<Cube>& original) {
    std::vector<int> correct;
    for (const Cube& c : original)
        correct.push_back(c.correctAnswer);
    RandomSource randomSource(7);
    const auto orders = versionOrders(correct, kMaxVersions, false, randomSource);
    std::vector<ResultsFile> files;
    for (int p = 0; p < 30; ++p) {
        ResultsFile file{"pupil " + std::to_string(p + 1), {}, true};
        for (std::size_t i = 0; i < original.size(); ++i) {
            Cube c = withAnswerOrder(original[i], orders[i][static_cast<std::size_t>(p % 4)]);
            if (randomSource.draw(10) != 0) {
                c.picked[randomSource.draw(kAnswers)] = 1;
                c.clockStart = 46'000.5;
                c.clockStop = c.clockStart + (5.0 + randomSource.draw(60)) / 86'400;
            }
            file.cubes.push_back(c);
        }
        files.push_back(std::move(file));
    }
    return files;
}

// The figures and the PDF in memory, as the tool makes them.
void BM_Report30x20(benchmark::State& state) {
    const std::vector<Cube> original = generated(20);
    const std::vector<ResultsFile> files = classResults(original);
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpReportPage(writer);
        printClassReport(writer, makeClassReport(files, &original));
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_Report30x20)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole command over the 30 files, the CSV too.
void BM_ReportCommand30x20(benchmark::State& state) {
    QTemporaryDir dir;
    const std::vector<Cube> original = generated(20);
    const QString series = dir.filePath(QStringLiteral("original.srs"));
    saveSeriesFile(series, Series(original.begin(), original.end()), true);
    QStringList args{QStringLiteral("report")};
    for (const ResultsFile& file : classResults(original)) {
        args << dir.filePath(QString::fromStdString(file.name) + QStringLiteral(".srs"));
        saveSeriesFile(args.last(), Series(file.cubes.begin(), file.cubes.end()), false);
    }
    args << QStringLiteral("--original") << series << QStringLiteral("-o")
         << dir.filePath(QStringLiteral("report.pdf")) << QStringLiteral("--csv")
         << dir.filePath(QStringLiteral("report.csv"));
    for (auto _ : state)
        if (runTool(args) != 0)
            state.SkipWithError("the report was not written");
}
BENCHMARK(BM_ReportCommand30x20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SheetCommand500(benchmark::State& state) {
    QTemporaryDir dir;
    const QString series = dir.filePath(QStringLiteral("s500.srs"));
    const std::vector<Cube> cubes = generated(500);
    saveSeriesFile(series, Series(cubes.begin(), cubes.end()), true);
    const QStringList args{QStringLiteral("sheet"), series, QStringLiteral("-o"),
                           dir.filePath(QStringLiteral("s500.pdf"))};
    for (auto _ : state)
        if (runTool(args) != 0)
            state.SkipWithError("the sheet was not written");
}
BENCHMARK(BM_SheetCommand500)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opening the preview until its pages are drawn, as after Ctrl+P.
void openPreview(benchmark::State& state, const std::vector<Cube>& cubes) {
    SheetOptions options;
    options.title = defaultSheetTitle();
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        const auto preview = makePrintPreview(printer, {{cubes, options}});
        preview->show();
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        QApplication::processEvents();
        if (widget == nullptr || (!cubes.empty() && widget->pageCount() < 2))
            state.SkipWithError("the preview drew no sheet");
        preview->close();
    }
}

void BM_PreviewEmpty(benchmark::State& state) {
    openPreview(state, {});
}
BENCHMARK(BM_PreviewEmpty)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Preview30(benchmark::State& state) {
    openPreview(state, generated(30));
}
BENCHMARK(BM_Preview30)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
