// Series files at their largest: saving and loading 65,535 cubes (on disk
// through QSaveFile, and in memory for the format alone), and freeing them.
#include "cube/generator.h"
#include "cube/random.h"
#include "series/series_file.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <vector>

using namespace vexlor;

namespace {

constexpr int kCubes = kMaxCubesPerFile;

// One store with a Current series of 65,535 generated Cubes, made once.
SeriesStore& full() {
    static SeriesStore store;
    static const bool made = [] {
        RandomSource randomSource(1'700'000'000);
        store.seriesSize = kCubes;
        store.makeRandomSeries(randomSource);
        return true;
    }();
    (void)made;
    return store;
}

void BM_SaveFile65535(benchmark::State& state) {
    const Series& series = full()[SeriesId::Current];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.srs"));
    for (auto _ : state) {
        if (saveSeriesFile(path, series, false) != WriteResult::Ok)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(seriesFileSize(kCubes)));
}
BENCHMARK(BM_SaveFile65535)->Unit(benchmark::kMillisecond);

void BM_LoadFile65535(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.srs"));
    saveSeriesFile(path, full()[SeriesId::Current], false);
    SeriesStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store.clearAllSeries();
        state.ResumeTiming();
        if (loadSeriesFile(path, store) != LoadResult::Ok)
            state.SkipWithError("load failed");
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(seriesFileSize(kCubes)));
}
BENCHMARK(BM_LoadFile65535)->Unit(benchmark::kMillisecond);

void BM_WriteMemory65535(benchmark::State& state) {
    const Series& series = full()[SeriesId::Current];
    for (auto _ : state) {
        MemorySink sink;
        sink.bytes.reserve(seriesFileSize(kCubes));
        writeSeriesFile(sink, series, false);
        benchmark::DoNotOptimize(sink.bytes.data());
    }
}
BENCHMARK(BM_WriteMemory65535)->Unit(benchmark::kMillisecond);

void BM_ReadMemory65535(benchmark::State& state) {
    MemorySink sink;
    writeSeriesFile(sink, full()[SeriesId::Current], false);
    SeriesStore store;
    for (auto _ : state) {
        state.PauseTiming();
        store.clearAllSeries();
        state.ResumeTiming();
        MemorySource source(sink.bytes.data(), sink.bytes.size());
        readSeriesFile(source, store);
    }
}
BENCHMARK(BM_ReadMemory65535)->Unit(benchmark::kMillisecond);

void BM_Free65535(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Series copy = full()[SeriesId::Current];
        state.ResumeTiming();
        copy.clear();
    }
}
BENCHMARK(BM_Free65535)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
