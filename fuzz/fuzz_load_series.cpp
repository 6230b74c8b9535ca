// libFuzzer target over the series file loader: any bytes load without a
// fault, Current holds what the header and the size promise, a loaded series saves back to the
// same bytes, and everything that reads a loaded Cube (the rules, the
// statistics, the pictures) copes with any value.
#include "cube/invariants.h"
#include "render/pictures.h"
#include "render/projection.h"
#include "series/series_format.h"
#include "session/session_state.h"
#include "session/statistics.h"
#include "time/datetime.h"

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
    int width() const override { return 500; }
    int height() const override { return 500; }
    void setBrushColor(Color) override {}
    void setPenColor(Color) override {}
    void setPenWidth(int) override {}
    void fillRect(const Rect&) override {}
    void polygon(const Point* points, int count) override {
        for (int i = 0; i < count; ++i)
            sum_ += points[i].x ^ points[i].y;
    }
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}

private:
    unsigned sum_ = 0;
};

class StillClock final : public Clock {
public:
    DateTime now() const override { return 46'000.5; }
};

void require(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const StillClock clock;

    SeriesStore store;
    Cube marker{};
    marker.recipe = 99;
    store.appendCopy(SeriesId::Current, marker);

    MemorySource source(data, size);
    const LoadResult result = readSeriesFile(source, store);
    const int n = size >= 6 ? data[4] | (data[5] << 8) : 0;
    const int whole = size >= 6 ? static_cast<int>((size - 6) / kCubeRecordSize) : 0;
    switch (result) {
    case LoadResult::WrongFormat:
        require(size < 4 || std::memcmp(data, kSeriesMagic.data(), 4) != 0);
        require(store.count(SeriesId::Current) == 1 && store.currentCube()->recipe == 99);
        return 0;
    case LoadResult::ReadError:
        require(n == 0 || whole < n);
        require(store.count(SeriesId::Current) == (n == 0 ? 0 : whole));
        break;
    case LoadResult::Ok:
        require(n > 0 && whole >= n && store.count(SeriesId::Current) == n);
        break;
    }

    // A loaded series saves back to the bytes it came from (padding aside).
    if (result == LoadResult::Ok) {
        MemorySink sink;
        require(writeSeriesFile(sink, store[SeriesId::Current], false) == WriteResult::Ok);
        require(sink.bytes.size() == seriesFileSize(static_cast<std::size_t>(n)));
        for (std::size_t i = 0; i < sink.bytes.size(); ++i) {
            const std::size_t inRecord = (i - kSeriesHeaderSize) % kCubeRecordSize;
            const bool padding = i >= kSeriesHeaderSize && inRecord >= record::kPadding &&
                                 inRecord < record::kTStart;
            require(padding ? sink.bytes[i] == 0 : sink.bytes[i] == data[i]);
        }
    }

    // Everything that reads a Cube: pictures, rules, clocks.
    SessionState state;
    resetSessionState(state, clock);
    NullCanvas canvas;
    const Pictures pictures{&canvas, {&canvas, &canvas, &canvas, &canvas}};
    for (const Cube& c : store[SeriesId::Current]) {
        drawNet(pictures, c, true);
        for (int a = 0; a < kAnswers; ++a)
            drawAnswer(pictures, c, a);
        (void)invariantFailures(c);
        (void)invariantFailures(c, Progress::Consistent);
        (void)isSolved(c);
        (void)shownTenths(cubeTime(c, clock));
    }

    // Run the test over the loaded Cubes: file copies, skip one, pick on.
    state.paused = false;
    int steps = 0;
    while (store.currentCube() != nullptr && steps < 64) {
        Cube& c = *store.currentCube();
        resumeClock(c.clockStart, c.clockStop, clock);
        (void)computeClockFigures(state, store, clock);
        (void)computeLabelFigures(state, store);
        store.addCurrentCube(SeriesId::Mistakes, true, clock);
        if (steps++ % 3 == 1) {
            markNow(c.clockStop, clock);
            store.appendCopy(SeriesId::Skipped, c);
        }
        store.advanceCurrent();
    }
    if (!store[SeriesId::Mistakes].empty())
        require(store.copyToCurrent(SeriesId::Mistakes));
    store.clearAllSeries();
    return 0;
}
