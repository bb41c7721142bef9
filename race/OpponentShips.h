#pragma once
// The opponent ships as the rest of the race sees them: five slots, each a whole ship's state,
// and the things that happen to a ship from outside (a hit, an explosion) and its drawing, which
// the player's drawing calls between the backdrop and its own ship. The opponents' sprite
// implements this; tests put ships by hand.

#include <cstdint>

#include "engine/QuadTest.h"

struct TOpponentSlot {
    bool Active = false;  // races in this level
    uint8_t Kind = 0;     // ship type 1..5
    // Image of list 2 drawn for the ship (straight, banked or exploding) and its pattern:
    // 6.5 - |Bank| while banked, the explosion's frame while exploding.
    int32_t ImagePattern = 0;
    double BankFrame = 0;
    double X = 0;  // world pixels, top-left corner
    double Y = 0;
    double Heading = 0;         // 1/256 turn, 0 up the track, clockwise
    double Speed = 0;           // half a pixel per frame at FrameFactor 1 per unit
    double EngineSpeed = 0;     // engine units; Speed follows from it
    double Drag = 0;            // engine units lost per frame
    bool OnScreen = false;      // near the view, so it can touch the player
    double Bank = 0;            // sideways tilt, -6.5..6.5
    int32_t BankDirection = 0;  // -1 left, 0 straight, +1 right
    double CentreX = 0;         // world pixels; CentreY orders the race
    double CentreY = 0;
    TQuad Hull{};  // collision outline, world pixels, in order around it
    // Look-ahead points, world pixels: front-left, front-right, side-left, side-right.
    TQuad Probes{};
    double LaneOffset = 0;  // pixels right of the centre line that the ship steers to
    bool Contact = false;   // touching the player's ship; a lasting touch counts once
    uint8_t Hits = 0;       // the fourth hit destroys the ship
    bool Exploding = false;
    int32_t RespawnTimer = 0;  // ms from standing still to the return to the track
    bool Turning = false;
    double TurnStartHeading = 0;
    double BankHold = 0;  // frames before the bank levels out
    bool Avoiding = false;
    int32_t AvoidTimer = 0;     // ms the avoiding lasts after the last probe contact
    bool Accelerating = false;  // shows the engine flame
    double BlinkTimer = 0;      // 0..2, the flame's flicker clock
    bool BlinkPhase = false;
    int32_t FireCooldown = 0;  // ms
    int32_t LaneTimer = 0;     // ms to the next random lane change
    int32_t LookAhead = 0;     // extra rows of look-ahead, 0..2
    int32_t SpeedTimer = 0;    // ms to the next random engine speed change
    int32_t SpeedOffset = 0;   // the current random change of EngineSpeed, -5..4
};

class TOpponentShips {
public:
    static constexpr int32_t SlotCount = 5;  // slots 1..5

    virtual ~TOpponentShips() = default;

    virtual TOpponentSlot& Slot(int32_t slot) = 0;
    // The ship takes one hit, from a shot, an asteroid or the player's bump; the fourth destroys.
    virtual void DamageOpponent(int32_t slot) = 0;
    // The ship explodes (a crash into a wall, a super-shot, its fourth hit).
    virtual void DestroyOpponent(int32_t slot) = 0;
    // The ships near the view: flames, then wrecks, then the ships turned to their headings.
    virtual void DrawShips() = 0;
};
