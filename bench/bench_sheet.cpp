// Worksheets where a teacher waits for them: the sheet of 500 Cubes as
// vexlor-series writes it (in the process and as the whole command), and
// the window's print preview of a 30-Cube series opening. Each comes with
// its floor from the same run: what Qt alone takes for an empty PDF, a
// process start and an empty preview, so that a slow machine shows as such.
#include "app/print_dialog.h"
#include "cube/random.h"
#include "printing/worksheet.h"
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
