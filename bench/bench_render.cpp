// Drawing a whole Cube as the window shows it: the net, blanked first, into
// the 500 x 500 question image and the four answer cubes into their
// 250 x 250 images.
#include "cube/generator.h"
#include "cube/random.h"
#include "printing/image_canvas.h"
#include "render/pictures.h"
#include "render/projection.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace vexlor;

namespace {

void BM_ShowCube(benchmark::State& state) {
    RandomSource randomSource(1'700'000'000);
    const MarkOrder markOrder = shuffledMarks(randomSource);
    // A spread of Cubes, so that no one net shape or symbol mix decides.
    std::vector<Cube> cubes(64);
    for (auto& c : cubes)
        makeCube(c, randomSource);
    ImageCanvas question(500, 500);
    std::array<ImageCanvas, kAnswers> answers{{{250, 250}, {250, 250}, {250, 250}, {250, 250}}};
    const Pictures pictures{&question,
                            {&answers[0], &answers[1], &answers[2], &answers[3]},
                            makeProjection(250),
                            markOrder};
    std::size_t next = 0;
    for (auto _ : state) {
        const Cube& c = cubes[next++ % cubes.size()];
        drawNet(pictures, c, true);
        for (int a = 0; a < kAnswers; ++a)
            drawAnswer(pictures, c, a);
        benchmark::DoNotOptimize(question.image().constBits());
    }
}
BENCHMARK(BM_ShowCube)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
