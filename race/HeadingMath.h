#pragma once
// Angles of the race: headings in 1/256 turn, and the arc tangent the ships aim and steer with.

#include <cmath>
#include <numbers>

#include "engine/PortableMath.h"

constexpr double RadiansPerUnit = 0.0245436953125;  // of 1/256 turn
constexpr double UnitsPerRadian = 256 / 6.283186;

// The arc tangent of a ratio in radians; a ratio of 20 or more counts as straight across
// (+pi/2), -20 or less as -pi/2. A zero denominator (two points exactly level, or the same
// point) gives 0, never a division by zero.
inline double ArcTanOfRatio(double numerator, double denominator) {
    if (denominator == 0)
        return 0;
    const double ratio = numerator / denominator;
    if (ratio >= 20)
        return std::numbers::pi / 2;
    if (ratio <= -20)
        return -std::numbers::pi / 2;
    return PortableAtan(ratio);
}
