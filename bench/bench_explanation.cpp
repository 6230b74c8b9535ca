// Opening the "Why?" window as F3 opens it the first time: made, given a
// Cube and a wrong pick, laid out and drawn once; and F3 again with the
// window already made. Against the floor of any window: a dialog of the same
// size holding one line of text, drawn once.
#include "app/explanation_window.h"
#include "cube/generator.h"
#include "cube/random.h"

#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <vector>

using namespace vexlor;

namespace {

std::vector<Cube> someCubes() {
    RandomSource randomSource(1'700'000'000);
    std::vector<Cube> cubes(64);
    for (auto& c : cubes)
        makeCube(c, randomSource);
    return cubes;
}

int wrongAnswerOf(const Cube& c) {
    return (c.correctAnswer + 1) % kAnswers;
}

void BM_OpenExplanationWindow(benchmark::State& state) {
    const std::vector<Cube> cubes = someCubes();
    std::size_t next = 0;
    QSize size;
    for (auto _ : state) {
        const Cube& c = cubes[next++ % cubes.size()];
        ExplanationWindow window(nullptr);
        window.explain(c, wrongAnswerOf(c));
        size = window.size();
        benchmark::DoNotOptimize(window.grab().size());
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}
BENCHMARK(BM_OpenExplanationWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExplainAgain(benchmark::State& state) {
    const std::vector<Cube> cubes = someCubes();
    ExplanationWindow window(nullptr);
    std::size_t next = 0;
    for (auto _ : state) {
        const Cube& c = cubes[next++ % cubes.size()];
        window.explain(c, wrongAnswerOf(c));
        benchmark::DoNotOptimize(window.grab().size());
    }
}
BENCHMARK(BM_ExplainAgain)->Unit(benchmark::kMillisecond)->UseRealTime();

// What any window of that size costs to make, show and draw once.
void BM_DialogFloor(benchmark::State& state) {
    QSize size;
    {
        RandomSource randomSource(1);
        Cube c{};
        makeCube(c, randomSource);
        ExplanationWindow window(nullptr);
        window.explain(c, wrongAnswerOf(c));
        size = window.size();
    }
    for (auto _ : state) {
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Why?"), &window));
        window.setFixedSize(size);
        window.show();
        benchmark::DoNotOptimize(window.grab().size());
    }
}
BENCHMARK(BM_DialogFloor)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
