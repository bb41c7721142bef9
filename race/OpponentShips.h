#pragma once
// What the track's wall test and the player's bumps need of the opponent ships: each slot's
// place, outline and contact state, and the two things that happen to a ship on a collision.
// The opponents' sprite implements this and keeps the rest of each slot's state itself.

#include <cstdint>

#include "engine/QuadTest.h"

struct TOpponentSlot {
    bool Active = false;     // races in this level
    bool OnScreen = false;   // near the view, so it can touch the player
    bool Exploding = false;  // wrecked and showing its explosion
    bool Contact = false;    // touching the player's ship; a lasting touch counts once
    uint8_t Hits = 0;        // the fourth hit destroys the ship
    double Heading = 0;      // 1/256 turn, 0 up the track, clockwise
    double Speed = 0;        // half a pixel per frame at FrameFactor 1 per unit
    double CentreX = 0;      // world pixels
    double CentreY = 0;
    TQuad Hull{};  // collision outline, world pixels
};

class TOpponentShips {
public:
    static constexpr int32_t SlotCount = 5;  // slots 1..5

    virtual ~TOpponentShips() = default;

    virtual TOpponentSlot& Slot(int32_t slot) = 0;
    // The ship explodes (after a crash into a wall or its fourth hit).
    virtual void DestroyOpponent(int32_t slot) = 0;
    // The ship takes one hit, from a shot or from the player's bump.
    virtual void HitOpponent(int32_t slot) = 0;
};
