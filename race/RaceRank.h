#pragma once
// The player's race position among the opponents that race this level, and the nearest ship
// ahead and behind, from the ships' world Y (smaller is further up the track).

struct TRaceState;

// Sets Rank, ShipCount and the nearest-ship values. An inactive opponent slot counts as standing
// below the map's last row; with no opponents the player leads a race of one. A player exactly
// level with an opponent keeps the rank of the frame before.
void UpdateRank(TRaceState& race);
