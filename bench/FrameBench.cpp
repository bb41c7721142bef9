// The cost of a frame on the headless 800 x 600 software surface.

#include <benchmark/benchmark.h>

#include "harness/GameHarness.h"

namespace {

// Clear, draw an empty tree, poll the keys, sweep, time and present: the frame loop's own cost.
void EmptyFrame(benchmark::State& state) {
    GameHarness game(1, false);
    for (auto _ : state)
        game.Frame(16);
}
BENCHMARK(EmptyFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
