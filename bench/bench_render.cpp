// Drawing a whole Cube as the window shows it: the net, blanked first, into
// the 500 x 500 question image and the four answer cubes into their
// 250 x 250 images. And one frame of the net folding up, against the floor
// of drawing an answer picture at the same size.
#include "cube/answer_fit.h"
#include "cube/fold.h"
#include "cube/generator.h"
#include "cube/random.h"
#include "printing/image_canvas.h"
#include "render/fold_picture.h"
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

// The fold is drawn at the size of the question picture.
constexpr int kFoldSide = 500;

std::vector<Cube> someCubes() {
    RandomSource randomSource(1'700'000'000);
    std::vector<Cube> cubes(64);
    for (auto& c : cubes)
        makeCube(c, randomSource);
    return cubes;
}

// One frame of the animation: the fold at a time between flat and closed,
// turning from the net's view towards the correct answer's, blanked first.
void BM_FoldFrame(benchmark::State& state) {
    const std::vector<Cube> cubes = someCubes();
    ImageCanvas canvas(kFoldSide, kFoldSide);
    std::size_t next = 0;
    for (auto _ : state) {
        const Cube& c = cubes[next % cubes.size()];
        const double t = static_cast<double>(next++ % 61) / 60;
        const NetFold fold = netFold(c);
        const AnswerFit fit = bestFit(c, c.correctAnswer);
        const Rotation view = interpolate({}, cornerView(fold, fit.face, fit.edge), t);
        drawFold(canvas, c, fold, t, {view, kFoldSide / 2.0, kFoldSide / 2.0, 90});
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_FoldFrame)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The floor: the correct answer's picture drawn at the fold's size, blanked
// first; a closed fold draws the same three faces and three hidden ones.
void BM_AnswerPictureFloor(benchmark::State& state) {
    const std::vector<Cube> cubes = someCubes();
    ImageCanvas canvas(kFoldSide, kFoldSide);
    Pictures pictures{nullptr, {&canvas, &canvas, &canvas, &canvas}, makeProjection(kFoldSide)};
    std::size_t next = 0;
    for (auto _ : state) {
        const Cube& c = cubes[next++ % cubes.size()];
        canvas.setBrushColor(kBackgroundColor);
        canvas.fillRect({0, 0, kFoldSide, kFoldSide});
        drawAnswer(pictures, c, c.correctAnswer);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_AnswerPictureFloor)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
