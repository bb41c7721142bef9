#include "race/RaceClock.h"

#include "race/Player.h"
#include "race/RaceState.h"

namespace {
constexpr int32_t TickingFromMs = 10000;
constexpr int32_t TickSound = 18;
}  // namespace

void KeepTime(TRaceState& race, int32_t frameTime) {
    TPlayer& player = *race.Player;
    int32_t& timeLeft = race.TimeLeft;
    // A tick when the last frame's time crossed a whole second, only while the clock runs: a
    // clock standing just below a whole second after the finish would otherwise tick every frame.
    const bool running = !player.Finished && !player.TimeOver;
    if (running && timeLeft <= TickingFromMs && (timeLeft + frameTime) / 1000 > timeLeft / 1000)
        race.Sounds.PlaySound(TickSound);
    if (running && timeLeft - frameTime >= 0)
        timeLeft -= frameTime;
    if (frameTime + 1 >= timeLeft)
        player.TimeOver = true;
}
