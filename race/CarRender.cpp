// Drawing the opponents near the view, in three layers: the flames of the accelerating ships,
// the wrecks, then the ships turned to their headings about their centres.

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"
#include "race/Car.h"
#include "race/OpponentModels.h"
#include "race/ShipFlame.h"

namespace {
constexpr int32_t RaceImageList = 2;
}  // namespace

void TCar::DrawShips() {
    if (!Engine || !Engine->Surface)
        return;
    platform::Surface& surface = *Engine->Surface;
    const TImageList& images = Services.List(RaceImageList);
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        const TOpponentSlot& ship = Slot(slot);
        if (!ship.Active || !ship.OnScreen || ship.Exploding || !ship.Accelerating)
            continue;
        const TPointD centre = ScreenFromWorld({ship.CentreX, ship.CentreY});
        DrawShipFlame(Services, surface, ship.Kind, Round(centre.X), Round(centre.Y),
                      ship.BlinkTimer, Trunc(ship.Heading), ship.BlinkPhase);
    }
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        const TOpponentSlot& ship = Slot(slot);
        if (!ship.Active || !ship.OnScreen || !ship.Exploding)
            continue;
        const TPointD corner = ScreenFromWorld({ship.X, ship.Y});
        images.Items(ship.ImagePattern)
            .DrawPattern(surface, Trunc(corner.X), Trunc(corner.Y), Trunc(ship.BankFrame));
    }
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        const TOpponentSlot& ship = Slot(slot);
        if (!ship.Active || !ship.OnScreen || ship.Exploding)
            continue;
        const TOpponentModel& model = OpponentModelOf(ship.Kind);
        const TPointD centre = ScreenFromWorld({ship.CentreX, ship.CentreY});
        images.Items(ship.ImagePattern)
            .DrawPatternRotated(surface, Trunc(centre.X), Trunc(centre.Y), model.Width,
                                model.Height, Trunc(ship.BankFrame), 0.5, 0.5, Trunc(ship.Heading));
    }
}
