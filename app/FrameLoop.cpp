// The frame: draw the tree, read the keys, run the screen's logic, sweep, time, present.

#include "app/Zorvex_unit.h"

void TMForm::IdleFrame() {
    if (!Active() || terminated_)
        return;
    MDXTimerTimer(MDXTimer.Tick(Backend.NowMs()));
}

void TMForm::MDXTimerTimer(int32_t lagCount) {
    const int32_t previousMenuIndex = Menu.MenuIndex;
    if (!MDXDraw.CanDraw())
        return;
    MDXDraw.BackSurface().Clear(0x000000);
    MDXSpriteEngine.DrawAll();
    Input.Poll(MDXInput);
    RunScreenFrame(lagCount);
    if (Menu.MenuIndex != previousMenuIndex)
        MDXWaveList.PlaySound(SoundHighlightTick);
    MDXSpriteEngine.SweepDead();
    Timing = ComputeFrameTiming(MDXTimer.FrameRate(), RefreshRate);
    MDXDraw.Present();
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
