// Drawing the projectile table over the ships, in slot order: shots turned to their flight,
// the super-shot and the asteroids upright, impacts turned with the shot that made them, and
// break-ups upright.

#include <array>

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "race/OpponentShips.h"
#include "race/Projectiles.h"
#include "race/RaceState.h"
#include "race/ScrollBackground.h"

namespace {

constexpr int32_t RaceImageList = 2;

struct TProjectileLook {
    int32_t Image;  // of list 2
    int32_t Width;  // pixels, as drawn
    int32_t Height;
};

// By kind 1..8.
constexpr std::array<TProjectileLook, 8> KindLooks = {{
    {26, 10, 25},
    {29, 10, 25},
    {32, 20, 45},
    {35, 32, 32},
    {12, 36, 31},
    {23, 74, 52},
    {26, 10, 25},
    {29, 10, 25},
}};
// The impact by the type 1..5 of the ship that was hit.
constexpr std::array<int32_t, 5> ImpactImages = {16, 17, 18, 16, 17};
constexpr int32_t ImpactSize = 32;
constexpr TProjectileLook BreakUpLook = {63, 64, 64};

TProjectileLook LookOf(const TRaceState& race, const TProjectile& projectile) {
    switch (projectile.State) {
        case TProjectileState::Flying:
            break;
        case TProjectileState::StuckToPlayer:
        case TProjectileState::StuckToOpponent: {
            const int32_t shipType = projectile.State == TProjectileState::StuckToPlayer
                                         ? race.ShipType
                                         : race.Opponents->Slot(projectile.Target).Kind;
            return {ImpactImages.at(static_cast<size_t>(shipType - 1)), ImpactSize, ImpactSize};
        }
        case TProjectileState::BreakingUp:
            return BreakUpLook;
    }
    return KindLooks.at(static_cast<size_t>(projectile.Kind) - 1);
}

bool DrawnUpright(TProjectileKind kind) {
    return kind == TProjectileKind::SuperShot || IsAsteroid(kind);
}

}  // namespace

void DrawProjectiles(const TRaceState& race, const TGameServices& services,
                     platform::Surface& surface) {
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
        const TProjectile& projectile = race.Projectiles.Slot(slot);
        if (!projectile.Active)
            continue;
        const TProjectileLook look = LookOf(race, projectile);
        const TImageItem& image = services.List(RaceImageList).Items(look.Image);
        const TPointD screen = race.Track->ScreenFromWorld({projectile.X, projectile.Y});
        const int32_t pattern = Trunc(projectile.Anim);
        if (DrawnUpright(projectile.Kind))
            image.DrawPattern(surface, Trunc(screen.X - look.Width / 2.0),
                              Trunc(screen.Y - look.Height / 2.0), pattern);
        else
            image.DrawPatternRotated(surface, Round(screen.X), Round(screen.Y), look.Width,
                                     look.Height, pattern, 0.5, 0.5, projectile.Angle);
    }
}
