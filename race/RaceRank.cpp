#include "race/RaceRank.h"

#include <array>
#include <utility>

#include "race/OpponentShips.h"
#include "race/RaceState.h"

namespace {
constexpr double InactiveSlotY = 108000.0;  // world pixels: below the last row of the map
}  // namespace

void UpdateRank(TRaceState& race) {
    std::array<double, TOpponentShips::SlotCount> shipY;
    int32_t racing = 0;
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
        const TOpponentSlot* ship = race.Opponents ? &race.Opponents->Slot(slot) : nullptr;
        const bool active = ship && ship->Active;
        shipY[static_cast<size_t>(slot - 1)] = active ? ship->CentreY : InactiveSlotY;
        racing += active ? 1 : 0;
    }
    for (size_t pass = 1; pass < shipY.size(); ++pass)
        for (size_t i = 0; i + 1 < shipY.size(); ++i)
            if (shipY[i] > shipY[i + 1])
                std::swap(shipY[i], shipY[i + 1]);

    // shipY[k - 1] is the k-th ship from the front.
    const double playerY = race.PlayerWorldY();
    race.NearestBehindY = playerY;
    race.NearestAheadY = playerY;
    if (playerY < shipY[0]) {
        race.Rank = 1;
        race.NearestBehindY = shipY[0];
    } else {
        for (int32_t k = 1; k < racing; ++k) {
            const double ahead = shipY[static_cast<size_t>(k - 1)];
            const double behind = shipY[static_cast<size_t>(k)];
            if (playerY > ahead && playerY < behind) {
                race.Rank = k + 1;
                race.NearestAheadY = ahead;
                race.NearestBehindY = behind;
                break;
            }
        }
        if (racing > 0 && playerY > shipY[static_cast<size_t>(racing - 1)]) {
            race.Rank = racing + 1;
            race.NearestAheadY = shipY[static_cast<size_t>(racing - 1)];
        }
    }
    race.ShipCount = racing + 1;
}
