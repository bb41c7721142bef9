#pragma once
// The five ship types the player chooses from, which the opponents fly too: images, driving
// ratings and the collision outline.

#include <array>
#include <cstdint>

struct TShipModel {
    // Items of image list 2.
    int32_t StraightImage;
    int32_t LeftTiltImage;  // 6 patterns, deepest bank first
    int32_t RightTiltImage;
    int32_t ExplosionImage;  // 17 patterns
    // Ratings, 1..11.
    int32_t Acceleration;  // A
    int32_t Steering;      // T
    int32_t Brakes;        // B
    int32_t TopSpeed;      // S
    // The player's collision outline: hull width in pixels, and how far out the front and the
    // rear corners lie, as a fraction of the distance from the centre to the picture's corner.
    int32_t HullWidth;
    double FrontCornerFactor;
    double RearCornerFactor;
    // The exhaust flame hangs 34 x 34 / FlameOffset pixels behind the ship's centre.
    double FlameOffset;
};

inline constexpr std::array<TShipModel, 5> ShipModels = {{
    {5, 24, 25, 63, 9, 8, 7, 6, 50, 0.88, 0.78, 38},
    {6, 27, 28, 64, 4, 5, 8, 11, 40, 0.82, 0.82, 34},
    {7, 30, 31, 65, 8, 6, 10, 6, 48, 0.78, 0.78, 64},
    {8, 33, 34, 63, 10, 5, 9, 9, 58, 0.70, 0.70, 70},
    {9, 36, 37, 64, 8, 11, 9, 8, 60, 0.70, 0.80, 38},
}};

// The model of ship type 1..5; throws std::out_of_range for any other.
inline const TShipModel& ShipModelOf(int32_t shipType) {
    return ShipModels.at(static_cast<size_t>(shipType - 1));
}
