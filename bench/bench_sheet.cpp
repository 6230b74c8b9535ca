// Worksheets where a teacher waits for them: the sheet of 500 Cubes as
// vexlor-series writes it (in the process and as the whole command), the
// window's print preview of a 30-Cube series opening, and the class report
// of 30 pupils over 20 items in four versions. Each comes with its floor
// from the same run: what Qt alone takes for a PDF of as many pages and
// items, a process start and an empty preview, so that a slow machine shows
// as such.
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
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <climits>
#include <numeric>
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

// A paint engine that draws nothing and counts what it is asked to draw,
// page by page.
class CountingPaintEngine final : public QPaintEngine {
public:
    CountingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    std::vector<int> itemsOnPage{0};

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return QPaintEngine::User; }

    using QPaintEngine::drawLines;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawRects(const QRectF*, int count) override { itemsOnPage.back() += count; }
    void drawLines(const QLineF*, int count) override { itemsOnPage.back() += count; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { ++itemsOnPage.back(); }
    void drawPath(const QPainterPath&) override { ++itemsOnPage.back(); }
    void drawEllipse(const QRectF&) override { ++itemsOnPage.back(); }
    void drawTextItem(const QPointF&, const QTextItem&) override { ++itemsOnPage.back(); }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { ++itemsOnPage.back(); }
};

// The print engine of that printer: its pages are those of a PDF writer's
// (the layout it is given, at the PDF's resolution), and each new page
// starts a new count.
class CountingPrintEngine final : public QPrintEngine {
public:
    explicit CountingPrintEngine(CountingPaintEngine& paint) : paint_(paint) {}

    void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
        properties_[key] = value;
    }
    QVariant property(PrintEnginePropertyKey key) const override {
        return key == PPK_Resolution ? QVariant(kResolution) : properties_.value(key);
    }
    bool newPage() override {
        paint_.itemsOnPage.push_back(0);
        return true;
    }
    bool abort() override { return false; }
    // QPrinter starts a new page only while it is painted on.
    QPrinter::PrinterState printerState() const override {
        return paint_.isActive() ? QPrinter::Active : QPrinter::Idle;
    }
    int metric(QPaintDevice::PaintDeviceMetric which) const override {
        const QPageLayout layout = properties_.value(PPK_QPageLayout).value<QPageLayout>();
        switch (which) {
        case QPaintDevice::PdmWidth:
            return layout.paintRectPixels(kResolution).width();
        case QPaintDevice::PdmHeight:
            return layout.paintRectPixels(kResolution).height();
        case QPaintDevice::PdmWidthMM:
            return qRound(layout.paintRect(QPageLayout::Millimeter).width());
        case QPaintDevice::PdmHeightMM:
            return qRound(layout.paintRect(QPageLayout::Millimeter).height());
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return kResolution;
        case QPaintDevice::PdmNumColors:
            return INT_MAX;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    static constexpr int kResolution = 1200; // QPdfWriter's

    CountingPaintEngine& paint_;
    QHash<PrintEnginePropertyKey, QVariant> properties_;
};

// A printer that only counts what is painted on it, page by page.
class CountingPrinter final : public QPrinter {
public:
    CountingPrinter() { setEngines(&print_, &paint_); }

    const std::vector<int>& itemsOnPage() const { return paint_.itemsOnPage; }

private:
    CountingPaintEngine paint_;
    CountingPrintEngine print_{paint_};
};

// What the sheet of cubes draws: on each of its pages, how many items.
std::vector<int> itemsOnSheetPages(const std::vector<Cube>& cubes) {
    CountingPrinter printer;
    SheetOptions options;
    options.title = defaultSheetTitle();
    setUpSheetPage(printer, options);
    printSheet(printer, cubes, options);
    return printer.itemsOnPage();
}

// Floor of BM_Sheet500: a PDF of the same pages holding as many items each
// as the sheet draws there (its shapes, lines and runs of text), every item
// the cheapest Qt draws, a small square. What is left above it is the
// sheet's own work: laying out, shaping text, embedding the font, and
// drawing shapes of many points.
void BM_FloorSheet500(benchmark::State& state) {
    const std::vector<int> items = itemsOnSheetPages(generated(500));
    state.counters["pages"] = static_cast<double>(items.size());
    state.counters["items"] = std::accumulate(items.begin(), items.end(), 0.0);
    SheetOptions options;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpSheetPage(writer, options);
        QPainter painter(&writer);
        for (std::size_t page = 0; page < items.size(); ++page) {
            if (page > 0)
                writer.newPage();
            for (int i = 0; i < items[page]; ++i)
                painter.fillRect(QRectF(100 * (i % 50), 100 * (i / 50), 50, 50), Qt::black);
        }
        painter.end();
        benchmark::DoNotOptimize(buffer.size());
    }
}
BENCHMARK(BM_FloorSheet500)->Unit(benchmark::kMillisecond)->UseRealTime();

// 500 Cubes: 250 pupils' pages and the key's 2.
void BM_Sheet500(benchmark::State& state) {
    const std::vector<Cube> cubes = generated(500);
    const std::vector<int> items = itemsOnSheetPages(cubes);
    state.counters["pages"] = static_cast<double>(items.size());
    state.counters["items"] = std::accumulate(items.begin(), items.end(), 0.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(pdfOf(cubes));
}
BENCHMARK(BM_Sheet500)->Unit(benchmark::kMillisecond)->UseRealTime();

// The CPU time of this process and of the children it has waited for, in
// milliseconds. Google Benchmark's CPU time is the process's own, which
// leaves out the work of a tool it starts.
double cpuMillisecondsWithChildren() {
    double ms = 0;
    for (const int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime})
            ms += static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    }
    return ms;
}

// The whole command, `vexlor-series sheet` of a 500-Cube file, against the
// floor of starting the tool at all (`--version`); cpu_ms counts the tool's
// CPU time with the benchmark's own.
int runTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(VEXLOR_SERIES_BIN), args);
    tool.waitForFinished(60'000);
    return tool.exitCode();
}

void runToolAsBenchmark(benchmark::State& state, const QStringList& args) {
    const double cpuBefore = cpuMillisecondsWithChildren();
    for (auto _ : state)
        if (runTool(args) != 0)
            state.SkipWithError("the tool failed");
    state.counters["cpu_ms"] = benchmark::Counter(cpuMillisecondsWithChildren() - cpuBefore,
                                                  benchmark::Counter::kAvgIterations);
}

void BM_ToolStart(benchmark::State& state) {
    runToolAsBenchmark(state, {QStringLiteral("--version")});
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
    runToolAsBenchmark(state, {QStringLiteral("sheet"), series, QStringLiteral("-o"),
                               dir.filePath(QStringLiteral("s500.pdf"))});
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
