#pragma once
// The main menu: six buttons in a column at the right over a still background, faded in one
// after another when the game starts. It stays on screen under the sub-screens.

#include "screens/ScreenHost.h"

class TScrollBackground;

class TMainMenu {
public:
    explicit TMainMenu(TScreenContext& context) : context_(context) {}

    // fresh restarts the menu music and creates the buttons; otherwise the buttons still on
    // screen are reused. introFlag 1 fades them in.
    void EnterMainMenu(int32_t introFlag, int32_t index, bool fresh);
    void Frame();
    // Removes the main menu before a race.
    void LeaveMainMenu();

    bool IntroRunning() const { return introRunning_ != 0; }

private:
    void IntroStep();
    void KillBackground();

    TScreenContext& context_;
    TScrollBackground* background_ = nullptr;
    int32_t introRunning_ = 0;
};
