// What a flying projectile hits, on collision frames: an asteroid against the player, the
// opponents and the shots; an opponent's shot against the player; the player's shot against the
// opponents. Only pairs less than 200 pixels apart up the track are tested.

#include <cmath>

#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/Projectiles.h"
#include "race/RaceState.h"
#include "race/ScrollBackground.h"
#include "race/ShipSounds.h"

namespace {

constexpr double NearY = 200;  // pixels; farther pairs are not tested
// Half-sizes of the hit boxes, pixels.
constexpr double AsteroidOnShip = 20;
constexpr double AsteroidOnShot = 30;
constexpr double ShotUnderAsteroid = 8;
constexpr double ShotOnShip = 5;
constexpr int32_t ShotOnAsteroidPoints = 50;
constexpr int32_t OpponentDestroyedPoints = 100;

// The player can be hit: in the race, not past the line and not invulnerable.
bool PlayerHittable(const TPlayer& player) {
    return !player.Destroyed && !player.Finished && !player.Invulnerable;
}

// A world point's hit box on the screen against the player's outline.
bool HitsPlayer(const TRaceState& race, const TProjectile& projectile, double r) {
    const TPlayer& player = *race.Player;
    if (!PlayerHittable(player))
        return false;
    const TPointD screen = race.Track->ScreenFromWorld({projectile.X, projectile.Y});
    if (std::abs(screen.Y - player.ShipCentreY) >= NearY)
        return false;
    return QuadsOverlap(HitBox(screen.X, screen.Y, r), player.Corners);
}

// An asteroid takes every energy cell the player has, and flies on.
void AsteroidOnPlayer(TRaceState& race, const TProjectile& asteroid) {
    if (HitsPlayer(race, asteroid, AsteroidOnShip))
        race.Player->LoseEnergy(race.Player->Energy);
}

void AsteroidOnOpponents(TRaceState& race, int32_t slot) {
    TOpponentShips* opponents = race.Opponents;
    if (!opponents)
        return;
    const TProjectile& asteroid = race.Projectiles.Slot(slot);
    for (int32_t opponent = 1; opponent <= TOpponentShips::SlotCount; ++opponent) {
        const TOpponentSlot& ship = opponents->Slot(opponent);
        if (!ship.Active || ship.Exploding || std::abs(asteroid.Y - ship.Y) >= NearY)
            continue;
        if (!QuadsOverlap(HitBox(asteroid.X, asteroid.Y, AsteroidOnShip), ship.Hull))
            continue;
        opponents->DamageOpponent(opponent);
        ProjectileHit(race, slot, 0);
        race.Sounds.PlaySound(ImpactSound);
    }
}

// Any shot, also one stuck to a ship, breaks the asteroid; the player's scores.
void AsteroidOnShots(TRaceState& race, int32_t slot) {
    TProjectileTable& table = race.Projectiles;
    for (int32_t other = 1; other <= TProjectileTable::SlotCount; ++other) {
        TProjectile& shot = table.Slot(other);
        const TProjectile& asteroid = table.Slot(slot);
        if (!shot.Active || IsAsteroid(shot.Kind) || std::abs(asteroid.Y - shot.Y) >= NearY)
            continue;
        if (!QuadsOverlap(HitBox(asteroid.X, asteroid.Y, AsteroidOnShot),
                          HitBox(shot.X, shot.Y, ShotUnderAsteroid)))
            continue;
        table.RemoveProjectile(other);
        ProjectileHit(race, slot, 0);
        if (shot.Owner == TProjectileOwner::Player)
            race.Player->AddScore(ShotOnAsteroidPoints);
        race.Sounds.PlaySound(ImpactSound);
    }
}

// The impact sticks to the ship, unless the hit destroyed it.
void OpponentShotOnPlayer(TRaceState& race, int32_t slot) {
    TProjectile& shot = race.Projectiles.Slot(slot);
    if (!HitsPlayer(race, shot, ShotOnShip))
        return;
    race.Player->LoseEnergy(1);
    if (race.Player->Destroyed) {
        race.Projectiles.RemoveProjectile(slot);
        return;
    }
    ProjectileHit(race, slot, 0);
    race.Sounds.PlaySound(ImpactSound);
}

// The scan goes on from where the shot was, so one shot can hit two overlapping ships.
void PlayerShotOnOpponents(TRaceState& race, int32_t slot) {
    TOpponentShips* opponents = race.Opponents;
    if (!opponents)
        return;
    TProjectile& shot = race.Projectiles.Slot(slot);
    const TQuad box = HitBox(shot.X, shot.Y, ShotOnShip);
    const double shotY = shot.Y;
    for (int32_t opponent = 1; opponent <= TOpponentShips::SlotCount; ++opponent) {
        const TOpponentSlot& ship = opponents->Slot(opponent);
        if (!ship.Active || ship.Exploding || std::abs(shotY - ship.CentreY) >= NearY)
            continue;
        if (!QuadsOverlap(box, ship.Hull))
            continue;
        if (shot.Kind == TProjectileKind::SuperShot)
            opponents->DestroyOpponent(opponent);
        else
            opponents->DamageOpponent(opponent);
        if (ship.Exploding) {
            race.Projectiles.RemoveProjectile(slot);
            race.Player->AddScore(OpponentDestroyedPoints);
        } else {
            ProjectileHit(race, slot, opponent);
            race.Sounds.PlaySound(ImpactSound);
        }
    }
}

}  // namespace

TQuad HitBox(double x, double y, double r) {
    return {{{x - r, y - r}, {x + r, y - r}, {x - r, y + r}, {x + r, y + r}}};
}

void TestProjectileHits(TRaceState& race, int32_t slot) {
    const TProjectile& projectile = race.Projectiles.Slot(slot);
    switch (projectile.Owner) {
        case TProjectileOwner::Nobody:
            if (projectile.State == TProjectileState::BreakingUp)
                return;
            AsteroidOnPlayer(race, projectile);
            AsteroidOnOpponents(race, slot);
            AsteroidOnShots(race, slot);
            break;
        case TProjectileOwner::Opponent:
            OpponentShotOnPlayer(race, slot);
            break;
        case TProjectileOwner::Player:
            PlayerShotOnOpponents(race, slot);
            break;
    }
}
