#include "race/RaceState.h"

#include <cmath>
#include <numbers>

#include "engine/PortableMath.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"

void TRaceState::CountCollisionFrame() {
    FrameCounter = (FrameCounter + 1) % 3;
    CollisionFrame = FrameCounter == 0;
}

// Heading right moves the track left under the ship; forward moves it down.
void TRaceState::FollowPlayer() {
    const double radians = Player->Heading * 2 * std::numbers::pi / 256;
    ScrollVelocity = {-PortableSin(radians) * Player->Speed, PortableCos(radians) * Player->Speed};
}

double TRaceState::PlayerWorldY() const {
    return Track->WorldYFromScreen(Player->ShipCentreY);
}
