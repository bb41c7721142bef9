#pragma once
// The exhaust flame drawn under an accelerating ship, the player's or an opponent's.

#include <cstdint>

#include "engine/GameServices.h"

namespace platform {
class Surface;
}  // namespace platform

// The flame of a ship of shipType (1..5) centred at (centreX, centreY) on the screen, turned to
// heading (1/256 turn); phase is the flicker clock 0..2. Straight ahead it wobbles between two
// angles with blinkOn. The nitro flame is the player's alone.
void DrawShipFlame(const TGameServices& services, platform::Surface& surface, int32_t shipType,
                   int32_t centreX, int32_t centreY, double phase, int32_t heading, bool blinkOn,
                   bool nitro = false);
