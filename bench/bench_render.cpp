// Drawing a whole Cube as the window shows it: the net, blanked first, into
// the 500 x 500 question image and the four answer cubes into their
// 250 x 250 images.
#include "app/image_canvas.h"
#include "cube/generator.h"
#include "cube/random.h"
#include "cube/topology.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace vexlor;

namespace {

void BM_ShowCube(benchmark::State& state) {
    SetupTopology();
    SeedRandom(1'700'000'000);
    ShuffleMarks();
    SetupProjection(250);
    // A spread of Cubes, so that no one net shape or symbol mix decides.
    std::vector<CubeNode> cubes(64);
    for (auto& c : cubes)
        MakeCube(c);
    ImageCanvas question(500, 500);
    std::array<ImageCanvas, kAnswers> answers{{{250, 250}, {250, 250}, {250, 250}, {250, 250}}};
    const Pictures pictures{&question, {&answers[0], &answers[1], &answers[2], &answers[3]}};
    std::size_t next = 0;
    for (auto _ : state) {
        const CubeNode& c = cubes[next++ % cubes.size()];
        DrawNet(pictures, c, true);
        for (int a = 0; a < kAnswers; ++a)
            DrawAnswer(pictures, c, a);
        benchmark::DoNotOptimize(question.image().constBits());
    }
}
BENCHMARK(BM_ShowCube)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
