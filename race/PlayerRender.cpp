// The race view over the track: the opponents, the player's ship (the exhaust flame under it
// while accelerating, then the ship turned to its heading about its centre, or its explosion),
// the shots and asteroids, and the instrument panel.

#include <cmath>

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/Projectiles.h"
#include "race/ShipFlame.h"

namespace {
constexpr int32_t RaceImageList = 2;
// The opaque panel right of the race view, under the heads-up display's texts.
constexpr int32_t PanelImage = 2;
constexpr int32_t PanelX = 575;  // pixels
constexpr int32_t PanelY = 0;
constexpr int32_t MiniMapImageList = 3;
constexpr int32_t AheadArrowImage = 16;
constexpr int32_t BehindArrowImage = 17;
constexpr double FarShipDistance = 360;  // pixels, five cells
}  // namespace

void TPlayer::Render() {
    X = PlayerScreenX;
    Y = PlayerScreenY;
    if (!ImageItem || !Engine || !Engine->Surface)
        return;
    if (race_.Opponents)
        race_.Opponents->DrawShips();
    if (Destroyed) {
        ImageItem->DrawPattern(*Engine->Surface, Trunc(X), Trunc(Y), Trunc(FramePos));
    } else {
        if (KeyAccelerate && !Finished)
            DrawFlame();
        DrawShip();
    }
    DrawProjectiles(race_, Services, *Engine->Surface);
    DrawPanelImage(RaceImageList, PanelImage, PanelX, PanelY);
    DrawMiniMap();
    DrawFarShipArrows();
    DrawTurnWarning();
    DrawMiniMapFrame();
    DrawSpeedometer();
    DrawEnergyCells();
}

// The arrows beside the HUD's distances, which show while the nearest ship ahead or behind is
// more than five cells away (and there is one on that side).
void TPlayer::DrawFarShipArrows() {
    const double playerY = race_.PlayerWorldY();
    race_.BehindIndicator =
        std::abs(playerY - race_.NearestBehindY) > FarShipDistance && race_.Rank < race_.ShipCount;
    race_.AheadIndicator =
        std::abs(playerY - race_.NearestAheadY) > FarShipDistance && race_.Rank > 1;
    if (race_.BehindIndicator)
        DrawPanelImage(MiniMapImageList, BehindArrowImage, 720, 174);
    if (race_.AheadIndicator)
        DrawPanelImage(MiniMapImageList, AheadArrowImage, 720, 40);
}

void TPlayer::DrawFlame() {
    DrawShipFlame(Services, *Engine->Surface, race_.ShipType, Round(ShipCentreX),
                  Round(ShipCentreY), BlinkPhase, Heading, BlinkOn, NitroOn());
}

void TPlayer::DrawShip() {
    const int32_t width = ImageItem->PatternWidth();
    const int32_t height = ImageItem->PatternHeight();
    ImageItem->DrawPatternRotated(*Engine->Surface, Trunc(X + width / 2.0), Trunc(Y + height / 2.0),
                                  width, height, Trunc(FramePos), 0.5, 0.5, Heading);
}
