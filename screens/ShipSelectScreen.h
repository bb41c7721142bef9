#pragma once
// Ship selection: the chosen ship's picture and four rows of marks for its handling, previous
// and next with a cross-fade, and the start of the race.

#include "screens/ScreenHost.h"

class TMyImageSprite;
class TScrollBackground;

class TShipSelectScreen {
public:
    explicit TShipSelectScreen(TScreenContext& context) : context_(context) {}

    void Build();
    void Frame();
    void Leave();
    // Items 7 (previous) and 8 (next): start the fade to the neighbouring ship.
    void StepShip(int32_t direction);
    bool Fading() const { return shipFade_ != 0; }

    int32_t ShipType = 1;  // the chosen ship, 1..5; the race reads it

private:
    void DrawMarks();

    TScreenContext& context_;
    TScrollBackground* background_ = nullptr;
    TMyImageSprite* title_ = nullptr;
    TMyImageSprite* panel_ = nullptr;
    TMyImageSprite* pictureA_ = nullptr;  // shown
    TMyImageSprite* pictureB_ = nullptr;  // the incoming ship, under A
    int32_t shipFade_ = 0;
    int32_t pendingShip_ = 1;
};
