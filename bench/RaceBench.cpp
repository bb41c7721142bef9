// The cost of a race frame and of generating a track, on the headless surface.

#include <benchmark/benchmark.h>

#include "harness/GameHarness.h"
#include "platform/Keys.h"
#include "race/TrackGenerator.h"

namespace {

// From the main menu into level 1, past the level caption, accelerator held.
void StartRacing(GameHarness& game) {
    while (game.Form().MainMenu.IntroRunning())
        game.Frame();
    game.Form().Menu.MenuIndex = 1;
    game.Frame();
    game.Type("\r");
    game.Frame();
    game.Form().Menu.MenuIndex = 9;
    game.Frame();
    game.Type("\r");
    game.Frames(140);  // the 2000 ms caption
    game.KeyDown(platform::vk::Up);
}

// Logic and drawing of a whole race frame: track, star field, ship, instrument panel, HUD texts.
void RaceFrame(benchmark::State& state) {
    GameHarness game;
    if (!game.StartedUp()) {
        state.SkipWithError("no game data: run the benchmarks from the build folder");
        return;
    }
    StartRacing(game);
    for (auto _ : state) {
        game.Frame(16);
        if (game.Form().DialogKind != dkNone)
            state.SkipWithError("the race stopped");
    }
}
BENCHMARK(RaceFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

namespace {

// The longest level's track, 1300 rows, into a fresh map.
void GenerateLongestTrack(benchmark::State& state) {
    TRandom random(7);
    for (auto _ : state) {
        TTrackMap map;
        TTrackGenerator(map, random).Generate(1300);
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK(GenerateLongestTrack)->Unit(benchmark::kMillisecond);

}  // namespace
