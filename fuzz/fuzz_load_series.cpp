// libFuzzer target over the series file loader: any bytes load without a
// fault, Current holds what the header and the size promise, a loaded series saves back to the
// same bytes, and everything that reads a loaded Cube (the rules, the
// statistics, the pictures) copes with any value.
#include "cube/invariants.h"
#include "cube/topology.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "series/series_format.h"
#include "session/datetime.h"
#include "session/statistics.h"
#include "session/test_state.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace vexlor;

namespace {

// Takes every drawing call and keeps nothing; ASan and UBSan watch the code
// that computes them.
class NullCanvas final : public Canvas {
public:
    int Width() const override { return 500; }
    int Height() const override { return 500; }
    void SetBrushColor(Color) override {}
    void SetPenColor(Color) override {}
    void SetPenWidth(int) override {}
    void FillRect(const Rect&) override {}
    void Polygon(const Point* points, int count) override {
        for (int i = 0; i < count; ++i)
            sum_ += points[i].x ^ points[i].y;
    }
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}

private:
    unsigned sum_ = 0;
};

class StillClock final : public Clock {
public:
    DateTime Now() const override { return 46'000.5; }
};

void Require(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const StillClock clock;
    static const bool ready = [] {
        InstallClock(&clock);
        SetupTopology();
        SetupProjection(250);
        return true;
    }();
    (void)ready;

    SeriesStore store;
    CubeNode marker{};
    marker.kind = 99;
    store.AppendCopy(SeriesKind::Current, marker);

    MemorySource source(data, size);
    const LoadResult result = ReadSeriesFile(source, store);
    const int n = size >= 6 ? data[4] | (data[5] << 8) : 0;
    const int whole = size >= 6 ? static_cast<int>((size - 6) / kCubeRecordSize) : 0;
    switch (result) {
    case LoadResult::WrongFormat:
        Require(size < 4 || std::memcmp(data, kSeriesMagic.data(), 4) != 0);
        Require(store.count(SeriesKind::Current) == 1 && store.CurrentCube()->kind == 99);
        return 0;
    case LoadResult::ReadError:
        Require(n == 0 || whole < n);
        Require(store.count(SeriesKind::Current) == (n == 0 ? 0 : whole));
        break;
    case LoadResult::Ok:
        Require(n > 0 && whole >= n && store.count(SeriesKind::Current) == n);
        break;
    }

    // A loaded series saves back to the bytes it came from (padding aside).
    if (result == LoadResult::Ok) {
        MemorySink sink;
        Require(WriteSeriesFile(sink, store[SeriesKind::Current], false) == WriteResult::Ok);
        Require(sink.bytes.size() == SeriesFileSize(static_cast<std::size_t>(n)));
        for (std::size_t i = 0; i < sink.bytes.size(); ++i) {
            const std::size_t inRecord = (i - kSeriesHeaderSize) % kCubeRecordSize;
            const bool padding = i >= kSeriesHeaderSize && inRecord >= record::kPadding &&
                                 inRecord < record::kTStart;
            Require(padding ? sink.bytes[i] == 0 : sink.bytes[i] == data[i]);
        }
    }

    // Everything that reads a Cube: pictures, rules, clocks.
    TestState state;
    ResetTestState(state);
    NullCanvas canvas;
    const Pictures pictures{&canvas, {&canvas, &canvas, &canvas, &canvas}};
    for (const CubeNode& c : store[SeriesKind::Current]) {
        DrawNet(pictures, c, true);
        for (int a = 0; a < kAnswers; ++a)
            DrawAnswer(pictures, c, a);
        (void)InvariantFailures(c);
        (void)InvariantFailures(c, Progress::Consistent);
        (void)IsSolved(c);
        (void)FormatSeconds(CubeTime(c));
    }

    // Run the test over the loaded Cubes: file copies, skip one, pick on.
    state.paused = false;
    int steps = 0;
    while (store.CurrentCube() != nullptr && steps < 64) {
        CubeNode& c = *store.CurrentCube();
        ResumeClock(c.tstart, c.tstop);
        (void)ComputeTimerTexts(state, store);
        (void)ComputeLabelTexts(state, store);
        store.AddCurrentCube(SeriesKind::Mistakes, true);
        if (steps++ % 3 == 1) {
            MarkNow(c.tstop);
            store.AppendCopy(SeriesKind::Skipped, c);
        }
        store.AdvanceCurrent();
    }
    if (!store[SeriesKind::Mistakes].empty())
        Require(store.CopyToCurrent(SeriesKind::Mistakes));
    store.ClearAllSeries();
    return 0;
}
