// Recording the game being played, keeping its replay at its end, and starting a recorded game
// again exactly as it started.

#include <algorithm>
#include <climits>

#include "app/Zorvex_unit.h"
#include "replay/ReplayKeyboard.h"

// Every game starts from a seed of its own, drawn when the ship is chosen, so that its replay
// needs nothing of what came before it.
void TMForm::StartRecording() {
    if (saveUse_ != TSaveUse::Own)
        return;
    const uint32_t seed = Random.NextSeed();
    Random.Reseed(seed);
    TReplayStart start = RecordingStart();
    start.Seed = seed;
    Recorder.Begin(start);
}

TReplayStart TMForm::RecordingStart() const {
    int32_t lowest = INT32_MAX;
    for (size_t entry = 0; entry < ShownHighScores; ++entry)
        lowest = std::min(lowest, Saved.HighScores[entry].Score);
    return {.Ship = ShipSelect.ShipType,
            .QualifyScore = lowest,
            .HeldKeys = HeldReplayKeys(MDXInput),
            .ShiftHeld = Input.ShiftHeld,
            .CtrlHeld = Input.CtrlHeld,
            .MouseX = Input.MouseX,
            .MouseY = Input.MouseY,
            .PlayerName = PlayerName,
            .Country = Options.Country};
}

void TMForm::EndGame() {
    if (Recorder.Recording())
        Replays.Keep(Recorder.Finish(GameResult()));
    if (Race)
        Race->EndRace();
}

TReplayResult TMForm::GameResult() const {
    if (!Race)
        return {PlayerName, 0, 0};
    return {PlayerName, Race->State().Score, Race->State().Level};
}

// The way a played game starts, from the ship selection's start button; the menus' sprites are
// swept first, as the ship selection's were when the game was played.
void TMForm::StartReplayedGame(const TReplayStart& start) {
    for (size_t entry = 0; entry < ShownHighScores; ++entry)
        Saved.HighScores[entry] = {"", start.QualifyScore};
    PlayerName = start.PlayerName;
    Options.Country = start.Country;
    TReplayKeyboard lastPoll;
    lastPoll.SetKeys(start.HeldKeys);
    Input.Poll(lastPoll);
    Input.ShiftHeld = start.ShiftHeld;
    Input.CtrlHeld = start.CtrlHeld;
    Input.MouseX = start.MouseX;
    Input.MouseY = start.MouseY;
    Timing = ComputeFrameTiming(start.FrameRate, start.RefreshRate);
    timingFrameRate_ = start.FrameRate;
    timingRefreshRate_ = start.RefreshRate;
    DialogKind = dkNone;
    MainMenu.LeaveMainMenu();
    ShipSelect.ShipType = start.Ship;
    Random.Reseed(start.Seed);
    StartRace();
}
