// The frame: draw the tree, read the keys, run the screen's logic, sweep, time, present.

#include <algorithm>

#include "app/Zorvex_unit.h"
#include "replay/ReplayKeyboard.h"

void TMForm::IdleFrame() {
    if (!Active() || terminated_)
        return;
    MDXTimerTimer(MDXTimer.Tick(Backend.NowMs()));
}

namespace {
uint16_t Clamp16(int32_t value) {
    return static_cast<uint16_t>(std::clamp(value, 0, int32_t{UINT16_MAX}));
}
}  // namespace

void TMForm::MDXTimerTimer(int32_t lagCount) {
    if (!MDXDraw.CanDraw())
        return;
    PlayFrame(lagCount, MDXInput, Clamp16(MDXTimer.FrameRate()), Clamp16(RefreshRate));
    MDXDraw.Present();
}

void TMForm::PlayFrame(int32_t lagCount, platform::Keyboard& keyboard, uint16_t frameRate,
                       uint16_t refreshRate) {
    const int32_t previousMenuIndex = Menu.MenuIndex;
    MDXDraw.BackSurface().Clear(0x000000);
    MDXSpriteEngine.DrawAll();
    Input.Poll(keyboard);
    Recorder.AddFrame({.LagCount = lagCount,
                       .Keys = HeldReplayKeys(keyboard),
                       .FrameRate = frameRate,
                       .RefreshRate = refreshRate},
                      timingFrameRate_, timingRefreshRate_);
    RunScreenFrame(lagCount);
    if (Menu.MenuIndex != previousMenuIndex)
        MDXWaveList.PlaySound(SoundHighlightTick);
    MDXSpriteEngine.SweepDead();
    Timing = ComputeFrameTiming(frameRate, refreshRate);
    timingFrameRate_ = frameRate;
    timingRefreshRate_ = refreshRate;
}

// An open dialog runs instead of the screen; the options texts still show under one.
void TMForm::RunScreenFrame(int32_t lagCount) {
    if (DialogKind != dkNone) {
        DialogFrame(lagCount);
        if (ScreenKind == skOptions)
            OptionsScreen.DrawTexts();
        return;
    }
    switch (ScreenKind) {
        case skMainMenu:
            MainMenu.Frame();
            break;
        case skShipSelect:
            ShipSelect.Frame();
            break;
        case skOptions:
            OptionsScreen.Frame(lagCount);
            break;
        case skHighScores:
            HighScoresScreen.Frame(lagCount);
            break;
        case skHelp:
            HelpScreen.Frame(lagCount);
            break;
        case skRace:
            if (Race)
                Race->RaceFrame(lagCount, Input);
            break;
        case skNone:
            break;
    }
}

// The platform's show-cursor counter shows the pointer while it is 0 or more.
void TMForm::ShowPointer() {
    while (MDXDraw.ShowCursor(true) <= 0) {
    }
}

void TMForm::HidePointer() {
    while (MDXDraw.ShowCursor(false) >= 0) {
    }
}
