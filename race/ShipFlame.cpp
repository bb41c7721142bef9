#include "race/ShipFlame.h"

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "race/ShipModels.h"

namespace {
constexpr int32_t RaceImageList = 2;
constexpr int32_t FlameImage = 3;
constexpr int32_t NitroFlameImage = 4;
constexpr int32_t FlameWidth = 18;  // pixels, whatever the picture's size
constexpr int32_t FlameHeight = 34;
// Straight ahead the flame wobbles between these two angles (1/256 turn) with the blink clock.
constexpr int32_t FlameWobbleOn = 1;
constexpr int32_t FlameWobbleOff = -2;
}  // namespace

// The flame's pivot lies above its picture, so that it hangs behind the ship's centre by
// 34 x 34 / FlameOffset pixels.
void DrawShipFlame(const TGameServices& services, platform::Surface& surface, int32_t shipType,
                   int32_t centreX, int32_t centreY, double phase, int32_t heading, bool blinkOn,
                   bool nitro) {
    const TImageItem& flame =
        services.List(RaceImageList).Items(nitro ? NitroFlameImage : FlameImage);
    const int32_t angle = heading != 0 ? heading : (blinkOn ? FlameWobbleOn : FlameWobbleOff);
    const double pivotY = -static_cast<double>(FlameHeight) / ShipModelOf(shipType).FlameOffset;
    flame.DrawPatternRotated(surface, centreX, centreY, FlameWidth, FlameHeight, Trunc(phase), 0.5,
                             pivotY, angle);
}
