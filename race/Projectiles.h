#pragma once
// The life of the projectile table during a race: asteroids rolled in above the view, every slot
// moved and hit-tested, the spent ones removed, and the table drawn. The player's step runs the
// spawner and the flight, its drawing the table.

#include <cstdint>

#include "engine/GameServices.h"
#include "engine/QuadTest.h"

struct TRaceState;

namespace platform {
class Surface;
}  // namespace platform

// Every 500 ms a 1-in-10 roll for an asteroid just above the view, drifting down the track and
// toward the middle; also while the player's ship is destroyed.
void SpawnAsteroids(TRaceState& race, TGameServices& services);
// Moves every slot, animates asteroids and impacts, and on collision frames tests asteroids
// against the ships and the shots, the opponents' shots against the player and the player's
// shots against the opponents.
void UpdateProjectiles(TRaceState& race, const TFrameTiming& timing);
// What a hit leaves: an asteroid breaks up where it is, the player's shot sticks to the opponent
// (slot 1..5) half-way to its centre, an opponent's shot sticks to the player.
void ProjectileHit(TRaceState& race, int32_t slot, int32_t opponent);
// Frees the slots that have left the area around the screen or whose impact or break-up ran out.
void CullProjectiles(TRaceState& race);
void DrawProjectiles(const TRaceState& race, const TGameServices& services,
                     platform::Surface& surface);

// The square of half-size r around (x, y) for the hit tests, corners in the order top-left,
// top-right, bottom-left, bottom-right (not around it): a point a little above or below it can
// count as inside, one beside it cannot.
TQuad HitBox(double x, double y, double r);
// The collision-frame tests of one flying or breaking-up slot.
void TestProjectileHits(TRaceState& race, int32_t slot);
