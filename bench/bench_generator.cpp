// Cube generation: one Cube per recipe, and a whole series of 500 Cubes as
// the "Create random series" command makes it.
#include "cube/generator.h"
#include "cube/random.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace vexlor;

namespace {

// One Cube of the given recipe: a net and the recipe's attempts.
void BM_MakeCubeOfKind(benchmark::State& state) {
    RandomSource randomSource(1'700'000'000);
    const int kind = static_cast<int>(state.range(0));
    Cube c{};
    if (kind < 0 || kind >= kRecipeCount) {
        state.SkipWithError("no such recipe");
        return;
    }
    for (auto _ : state) {
        makeNet(c, randomSource);
        generateTaskOfRecipe(c, kind, randomSource);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_MakeCubeOfKind)->DenseRange(0, kRecipeCount - 1)->Unit(benchmark::kMicrosecond);

// makeCube alone, recipe drawn at random as in a real series.
void BM_MakeCube(benchmark::State& state) {
    RandomSource randomSource(1'700'000'000);
    Cube c{};
    for (auto _ : state) {
        makeCube(c, randomSource);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_MakeCube)->Unit(benchmark::kMicrosecond);

void BM_Series500(benchmark::State& state) {
    std::vector<Cube> series(500);
    std::int64_t seed = 1'700'000'000;
    for (auto _ : state) {
        RandomSource randomSource(seed++);
        for (auto& c : series)
            makeCube(c, randomSource);
        benchmark::DoNotOptimize(series.data());
    }
}
BENCHMARK(BM_Series500)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
