// The cost of a race frame and of generating a track, on the headless surface.

#include <benchmark/benchmark.h>

#include "harness/GameHarness.h"
#include "platform/Keys.h"
#include "race/Player.h"
#include "race/Race.h"
#include "race/ScrollBackground.h"
#include "race/TrackGenerator.h"

namespace {

// From the main menu into level 5 with its five opponents, past the level captions, accelerator
// held.
void StartRacing(GameHarness& game) {
    game.EnterRace();
    game.Frames(140);  // the 2000 ms caption
    TRace& race = *game.Form().Race;
    race.State().Level = 4;
    race.StartLevel(true);
    game.Frames(140);
    game.KeyDown(platform::vk::Up);
}

// Fills every free projectile slot: asteroids and the player's shots in turn, spread over the
// view, so that ten are always in flight and hit-tested.
void FillProjectiles(TRaceState& race, int32_t round) {
    const TScrollBackground& track = *race.Track;
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
        if (race.Projectiles.Slot(slot).Active)
            continue;
        const bool asteroid = (slot + round) % 2 == 0;
        const double x = track.ViewCol * 72 + 60 + 50 * slot;
        const double y = track.ViewRow * 72 + (asteroid ? 0 : 500);
        race.Projectiles.SpawnProjectile(
            asteroid ? TProjectileKind::LargeAsteroid : TProjectileKind::Shot3,
            asteroid ? TProjectileOwner::Nobody : TProjectileOwner::Player, asteroid ? 128 : 0, x,
            y, 0);
    }
}

// Logic and drawing of a whole race frame on level 5: track, star field, five opponents, ten
// projectiles, the ship, instrument panel, HUD texts. The player's lives are kept up so that
// asteroids do not end the game. Argument 0: the rules alone, as the world server re-runs a
// replay: drawing switched off and the frame run without presenting it.
void RaceFrame(benchmark::State& state) {
    GameHarness game;
    const bool drawing = state.range(0) != 0;
    game.Backend().Screen().BackSurface().SetDrawing(drawing);
    if (!game.StartedUp()) {
        state.SkipWithError("no game data: run the benchmarks from the build folder");
        return;
    }
    StartRacing(game);
    TRaceState& race = game.Form().Race->State();
    int32_t round = 0;
    for (auto _ : state) {
        FillProjectiles(race, ++round);
        race.Lives = 3;
        if (drawing)
            game.Frame(16);
        else
            game.Form().PlayFrame(16, game.Backend().Keys(), 60, 60);
        if (game.Form().DialogKind != dkNone)
            state.SkipWithError("the race stopped");
    }
}
BENCHMARK(RaceFrame)->Arg(1)->Unit(benchmark::kMicrosecond);
// Fewer frames than the level's time, so that the race is still on at the last one.
BENCHMARK(RaceFrame)->Arg(0)->Iterations(3000)->Unit(benchmark::kMicrosecond);

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
