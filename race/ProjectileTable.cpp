#include "race/ProjectileTable.h"

#include <algorithm>

namespace {
constexpr double ShotSpeedOverShip = 10;  // a shot flies 5 px a frame faster than its ship
}  // namespace

void TProjectileTable::ClearProjectiles() {
    Slots.fill(TProjectile{});
    AsteroidTimer = AsteroidPeriodMs;
}

int32_t TProjectileTable::SpawnProjectile(TProjectileKind kind, TProjectileOwner owner,
                                          int32_t angle, double x, double y,
                                          int32_t speedArgument) {
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        TProjectile& projectile = Slot(slot);
        if (projectile.Active)
            continue;
        projectile = {.Active = true,
                      .Kind = kind,
                      .Owner = owner,
                      .X = x,
                      .Y = y,
                      .Angle = angle,
                      .Speed = speedArgument + ShotSpeedOverShip};
        return slot;
    }
    return 0;
}

int32_t TProjectileTable::ActiveCount() const {
    return static_cast<int32_t>(std::count_if(Slots.begin() + 1, Slots.end(),
                                              [](const TProjectile& p) { return p.Active; }));
}
