// Drawing the player's ship: the exhaust flame under it while accelerating, then the ship turned
// to its heading about its centre, or its explosion.

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"
#include "race/Player.h"
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
// The opaque panel right of the race view, under the heads-up display's texts.
constexpr int32_t PanelImage = 2;
constexpr int32_t PanelX = 575;  // pixels
constexpr int32_t PanelY = 0;
}  // namespace

// The rest of the race picture (opponents, shots, the panel's instruments and mini-map) joins
// this drawing with the weapons and the instruments.
void TPlayer::Render() {
    X = PlayerScreenX;
    Y = PlayerScreenY;
    if (!ImageItem || !Engine || !Engine->Surface)
        return;
    if (Destroyed) {
        ImageItem->DrawPattern(*Engine->Surface, Trunc(X), Trunc(Y), Trunc(FramePos));
    } else {
        if (KeyAccelerate && !Finished)
            DrawFlame();
        DrawShip();
    }
    Services.List(RaceImageList).Items(PanelImage).DrawPattern(*Engine->Surface, PanelX, PanelY, 0);
}

// The flame's pivot lies above its picture, so that it hangs behind the ship's centre by
// 34 x 34 / FlameOffset pixels.
void TPlayer::DrawFlame() {
    const TImageItem& flame =
        Services.List(RaceImageList).Items(NitroOn() ? NitroFlameImage : FlameImage);
    const int32_t angle = Heading != 0 ? Heading : (BlinkOn ? FlameWobbleOn : FlameWobbleOff);
    const double pivotY =
        -static_cast<double>(FlameHeight) / ShipModelOf(race_.ShipType).FlameOffset;
    flame.DrawPatternRotated(*Engine->Surface, Round(ShipCentreX), Round(ShipCentreY), FlameWidth,
                             FlameHeight, Trunc(BlinkPhase), 0.5, pivotY, angle);
}

void TPlayer::DrawShip() {
    const int32_t width = ImageItem->PatternWidth();
    const int32_t height = ImageItem->PatternHeight();
    ImageItem->DrawPatternRotated(*Engine->Surface, Trunc(X + width / 2.0), Trunc(Y + height / 2.0),
                                  width, height, Trunc(FramePos), 0.5, 0.5, Heading);
}
