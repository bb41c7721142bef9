#pragma once
// What the opponents need of a ship type beyond the ratings and images they share with the
// player's ships: the size they are drawn at and their collision outline.

#include <array>
#include <cstdint>

struct TOpponentModel {
    int32_t Width;  // pixels, as drawn; the centre is the top-left plus half of these
    int32_t Height;
    double HullCornerDistance;  // pixels from the centre to each outline corner
    double HullCornerAngle;     // 1/256 turn either side of the ship's axis, front and back
};

inline constexpr std::array<TOpponentModel, 5> OpponentModels = {{
    {64, 73, 42, 24},
    {64, 73, 42, 22},
    {70, 67, 42, 24},
    {76, 70, 44, 28},
    {73, 68, 46, 30},
}};

// The opponents' outlines shrink by the player's ship type 1..5, not their own: a small ship
// meets slimmer opponents.
inline constexpr std::array<double, 5> OpponentHullScales = {0.88, 0.82, 0.78, 0.7, 0.7};

// The model of ship type 1..5; throws std::out_of_range for any other.
inline const TOpponentModel& OpponentModelOf(int32_t shipType) {
    return OpponentModels.at(static_cast<size_t>(shipType - 1));
}
inline double OpponentHullScale(int32_t playerShipType) {
    return OpponentHullScales.at(static_cast<size_t>(playerShipType - 1));
}
