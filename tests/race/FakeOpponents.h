#pragma once
// Opponent slots set by hand, recording what the track and the player do to them.

#include <array>
#include <vector>

#include "race/OpponentShips.h"

class TFakeOpponents : public TOpponentShips {
public:
    TOpponentSlot& Slot(int32_t slot) override { return slots_.at(static_cast<size_t>(slot)); }
    void DestroyOpponent(int32_t slot) override {
        Destroyed.push_back(slot);
        Slot(slot).Exploding = true;
    }
    // The fourth hit wrecks, as in the race.
    void DamageOpponent(int32_t slot) override {
        Hit.push_back(slot);
        if (++Slot(slot).Hits >= 4)
            DestroyOpponent(slot);
    }
    void DrawShips() override {}

    // An active ship of type 1 on the screen with a square hull of side 2 x half around (x, y),
    // world px.
    void Place(int32_t slot, double x, double y, double half) {
        TOpponentSlot& ship = Slot(slot);
        ship.Active = ship.OnScreen = true;
        ship.Kind = 1;
        ship.CentreX = x;
        ship.CentreY = y;
        ship.X = x - half;
        ship.Y = y - half;
        ship.Hull = {{{x - half, y - half},
                      {x + half, y - half},
                      {x + half, y + half},
                      {x - half, y + half}}};
    }

    std::vector<int32_t> Destroyed;
    std::vector<int32_t> Hit;

private:
    std::array<TOpponentSlot, SlotCount + 1> slots_{};  // slot 0 unused
};
