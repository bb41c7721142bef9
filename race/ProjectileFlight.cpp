// The projectiles' flight: asteroids appearing above the view, shots and asteroids moving,
// impacts riding on the ship they hit, and the slots freed once they are spent or far away.

#include <cmath>

#include "engine/PortableMath.h"
#include "engine/Rounding.h"
#include "race/HeadingMath.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/Projectiles.h"
#include "race/RaceState.h"
#include "race/ScrollBackground.h"

namespace {

constexpr double CellSize = TTrackMap::CellSize;
// Asteroids: the roll, where they enter and how they drift.
constexpr int32_t AsteroidChance = 10;
constexpr int32_t AsteroidRollHit = 5;
constexpr int32_t AsteroidLeftmost = 200;  // pixels from the view's first column
constexpr int32_t AsteroidSpread = 400;
constexpr int32_t AsteroidDriftSide = 400;
constexpr int32_t AsteroidDrift = 32;  // 1/256 turn off straight down, at most 31
constexpr int32_t StraightDown = 128;
constexpr double AsteroidAboveView = 50;  // pixels
// Animation, patterns per frame at FrameFactor 1.
constexpr double AsteroidTurning = 0.1;
constexpr double BreakUpExtra = 0.25;
constexpr double ImpactRate = 0.25;
constexpr double AsteroidTurnFrames = 8;  // the turn loops
constexpr double BreakUpLastFrame = 17;
constexpr double SpentAfter = 16;  // an impact or break-up past this pattern is over
// The area around the screen where projectiles live, screen pixels.
constexpr double CullLeft = -200;
constexpr double CullRight = 1000;
constexpr double CullTop = -200;
constexpr double CullBottom = 800;

// The world position of the player's ship's top-left corner.
TPointD PlayerWorld(const TRaceState& race) {
    return race.Track->WorldFromScreen({race.Player->X, race.Player->Y});
}

void Fly(TProjectile& projectile, double frameFactor) {
    const double radians = projectile.Angle * RadiansPerUnit;
    const double step = projectile.Speed * frameFactor * 0.5;
    projectile.X += PortableSin(radians) * step;
    projectile.Y -= PortableCos(radians) * step;
    if (!IsAsteroid(projectile.Kind))
        return;
    projectile.Anim += AsteroidTurning * frameFactor;
    if (projectile.State == TProjectileState::BreakingUp) {
        projectile.Anim += BreakUpExtra * frameFactor;
        if (projectile.Anim >= BreakUpLastFrame)
            projectile.Anim = BreakUpLastFrame;
    } else if (projectile.Anim >= AsteroidTurnFrames) {
        projectile.Anim = 0;
    }
}

}  // namespace

void SpawnAsteroids(TRaceState& race, TGameServices& services) {
    TProjectileTable& table = race.Projectiles;
    if (table.AsteroidTimer > 0) {
        table.AsteroidTimer -= services.Timing.FrameTime;
        return;
    }
    table.AsteroidTimer = TProjectileTable::AsteroidPeriodMs;
    TRandom& random = services.Random;
    if (random.Random(AsteroidChance) != AsteroidRollHit)
        return;
    const int32_t across = AsteroidLeftmost + random.Random(AsteroidSpread);
    const int32_t drift = random.Random(AsteroidDrift);
    const int32_t angle = across > AsteroidDriftSide ? StraightDown + drift : StraightDown - drift;
    const TProjectileKind kind =
        random.Random(2) == 0 ? TProjectileKind::SmallAsteroid : TProjectileKind::LargeAsteroid;
    const TScrollBackground& track = *race.Track;
    // Its speed argument makes it fall 11 - Speed units: it drifts up the track under a fast ship.
    table.SpawnProjectile(kind, TProjectileOwner::Nobody, angle, track.ViewCol * CellSize + across,
                          track.ViewRow * CellSize - AsteroidAboveView,
                          1 - Round(race.Player->Speed));
}

// The three steps run one after another: a shot that sticks to a ship in this frame already
// rides on it and takes its first impact step, so an impact lasts 65 frames.
void UpdateProjectiles(TRaceState& race, const TFrameTiming& timing) {
    const double frameFactor = timing.FrameFactor;
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
        TProjectile& projectile = race.Projectiles.Slot(slot);
        if (!projectile.Active)
            continue;
        if (projectile.State == TProjectileState::Flying ||
            projectile.State == TProjectileState::BreakingUp) {
            Fly(projectile, frameFactor);
            if (race.CollisionFrame)
                TestProjectileHits(race, slot);
        }
        if (projectile.State == TProjectileState::StuckToOpponent) {
            const TOpponentSlot& ship = race.Opponents->Slot(projectile.Target);
            projectile.X = ship.X + projectile.OffsetX;
            projectile.Y = ship.Y + projectile.OffsetY;
            projectile.Anim += ImpactRate * frameFactor;
        }
        if (projectile.State == TProjectileState::StuckToPlayer) {
            const TPointD player = PlayerWorld(race);
            projectile.X = player.X + projectile.OffsetX;
            projectile.Y = player.Y + projectile.OffsetY;
            projectile.Anim += ImpactRate * frameFactor;
        }
    }
}

void ProjectileHit(TRaceState& race, int32_t slot, int32_t opponent) {
    TProjectile& projectile = race.Projectiles.Slot(slot);
    switch (projectile.Owner) {
        case TProjectileOwner::Nobody:
            projectile.State = TProjectileState::BreakingUp;
            break;
        case TProjectileOwner::Player: {
            const TOpponentSlot& ship = race.Opponents->Slot(opponent);
            projectile.State = TProjectileState::StuckToOpponent;
            projectile.X += (ship.CentreX - projectile.X) / 2;
            projectile.Y += (ship.CentreY - projectile.Y) / 2;
            projectile.OffsetX = projectile.X - ship.X;
            projectile.OffsetY = projectile.Y - ship.Y;
            projectile.Target = opponent;
            break;
        }
        case TProjectileOwner::Opponent: {
            const TPointD player = PlayerWorld(race);
            projectile.State = TProjectileState::StuckToPlayer;
            projectile.OffsetX = projectile.X - player.X;
            projectile.OffsetY = projectile.Y - player.Y;
            projectile.Target = 0;
            break;
        }
    }
}

void CullProjectiles(TRaceState& race) {
    const TScrollBackground& track = *race.Track;
    for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
        TProjectile& projectile = race.Projectiles.Slot(slot);
        if (!projectile.Active)
            continue;
        const TPointD screen = track.ScreenFromWorld({projectile.X, projectile.Y});
        if (screen.X > CullRight || screen.X < CullLeft || screen.Y < CullTop ||
            screen.Y > CullBottom)
            projectile.Active = false;
        if (projectile.Anim > SpentAfter)
            projectile.Active = false;
    }
}
