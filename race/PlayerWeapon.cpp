// The player's gun: one shot a second while the fire key is held, fired from the ship's nose
// along its heading; an armed super-shot replaces the next shot.

#include "engine/Rounding.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"

namespace {
constexpr int32_t FireIntervalMs = 1000;
}  // namespace

// Releasing the key does not reset the cooldown: a tap right after a shot waits out the second.
void TPlayer::WeaponStep() {
    if (FireCooldown > 0)
        FireCooldown -= Services.Timing.FrameTime;
    if (!KeyFire || FireCooldown >= 1)
        return;
    FireCooldown = FireIntervalMs;
    TProjectileKind kind = ShotKindOf(race_.ShipType);
    if (SuperShotArmed) {
        SuperShotArmed = false;
        kind = TProjectileKind::SuperShot;
        race_.Sounds.PlaySound(SuperShotSound);
    } else {
        race_.Sounds.PlaySound(ShotSound);
    }
    const TPointD nose = Track().WorldFromScreen(
        {(Corners[0].X + Corners[1].X) / 2, (Corners[0].Y + Corners[1].Y) / 2});
    race_.Projectiles.SpawnProjectile(kind, TProjectileOwner::Player, Heading, nose.X, nose.Y,
                                      Round(Speed));
}
