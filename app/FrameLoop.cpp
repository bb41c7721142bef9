// The frame: draw the tree, read the keys, run the screen's logic, sweep, time, present.

#include "app/Zorvex_unit.h"

void TMForm::IdleFrame() {
    if (!Active() || terminated_) return;
    MDXTimerTimer(MDXTimer.Tick(Backend.NowMs()));
}

void TMForm::MDXTimerTimer(int32_t lagCount) {
    const int32_t previousMenuIndex = MenuIndex;
    if (!MDXDraw.CanDraw()) return;
    MDXDraw.BackSurface().Clear(0x000000);
    MDXSpriteEngine.DrawAll();
    PollInput();
    RunScreenFrame(lagCount);
    if (MenuIndex != previousMenuIndex) {
        // The highlight tick arrives with the sound list.
    }
    MDXSpriteEngine.SweepDead();
    Timing = ComputeFrameTiming(MDXTimer.FrameRate(), RefreshRate);
    MDXDraw.Present();
}

void TMForm::PollInput() { Input.Poll(MDXInput); }

void TMForm::RunScreenFrame(int32_t /*lagCount*/) {
    // Dialogs and the screens' frames plug in here as they arrive.
}

void TMForm::ActivateMenuItem() {}

void TMForm::ChooseMenuItem(int32_t item) {
    MenuIndex = item;
    ActivateMenuItem();
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
