// The end of the player's level: once the ship has crossed the finish line or run out of time it
// rolls to a stop, waits a moment, and asks for the results, the time-over caption or the end of
// the game. A finish counts even when the time ran out in the same frame.

#include "race/Player.h"

namespace {
constexpr int32_t FinishedDelayMs = 2000;  // after the ship stands
constexpr int32_t TimeOverDelayMs = 1000;
constexpr int32_t FullEnergy = 4;
}  // namespace

void TPlayer::OutcomeStep() {
    if (!OutcomeHandled) {
        OutcomeHandled = true;
        StartOutcome();
    }
    // Out of time the accelerator still pushes (only the finish takes the controls away), but
    // never as hard as the coasting brakes: so the ship stands once a frame's coasting has
    // brought it to 0, even with the accelerator held.
    Coast();
    if (EngineSpeed != 0) {
        OutcomeDelay = Finished ? FinishedDelayMs : TimeOverDelayMs;
        return;
    }
    OutcomeDelay -= Services.Timing.FrameTime;
    if (OutcomeDelay <= 0)
        EndLevel();
}

// The engine falls back to idle and the horn and effects stop, so that a pause does not bring
// the horn back; the controls no longer steer or fire (the coasting clears the turn keys, and the
// weapon step runs only while racing). A destroyed ship never gets here.
void TPlayer::StartOutcome() {
    Destroyed = false;
    EngineSound = TEngineSound::None;
    HornOn = false;
    StopShipSounds(true);
    PlayEngineSound(TEngineSound::Idle);
}

// Running out of time costs a life; the last one ends the game.
void TPlayer::EndLevel() {
    if (Finished) {
        race_.Results.Begin(race_.TimeLeft, race_.Rank);
        race_.RequestDialog(dkResults);
        return;
    }
    if (race_.Lives > 0) {
        --race_.Lives;
        Energy = FullEnergy;
    }
    race_.RequestDialog(race_.Lives < 1 ? dkGameOver : dkTimeOver);
}
