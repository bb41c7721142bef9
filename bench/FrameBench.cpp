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

// Start-up on the headless backend: every list, sound and font loaded, the saved files read, the
// main menu built and its first frame drawn.
void StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        GameHarness game;
        if (!game.StartedUp()) {
            state.SkipWithError("no game data: run the benchmarks from the build folder");
            return;
        }
        game.Frame(16);
    }
}
BENCHMARK(StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace
