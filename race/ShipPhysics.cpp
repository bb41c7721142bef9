#include "race/ShipPhysics.h"

#include <algorithm>
#include <cmath>

#include "race/ShipModels.h"

namespace {
constexpr double MaxAcceleration = 0.3;
constexpr double MinCoastDrag = 0.05;
constexpr double MaxTurnRate = 0.8;
}  // namespace

double TopSpeedFactor(int32_t shipType) {
    return ShipModelOf(shipType).TopSpeed / 11.0 / 10.0 + 0.9;
}

double Acceleration(int32_t shipType, double engineSpeed, bool nitro) {
    if (nitro || engineSpeed <= 0)
        return MaxAcceleration;
    const double pull = (3.0 * ShipModelOf(shipType).Acceleration + 80) /
                        (engineSpeed * std::sqrt(2 * engineSpeed));
    return std::min(pull, MaxAcceleration);
}

double BrakeDeceleration(int32_t shipType) {
    return (11 - ShipModelOf(shipType).Brakes) / 40.0 + 0.25;
}

double CoastDrag(int32_t shipType, double engineSpeed, bool nitro) {
    if (engineSpeed <= 0)
        return 0;
    return std::max((MaxAcceleration - Acceleration(shipType, engineSpeed, nitro)) / 2,
                    MinCoastDrag);
}

double TurnRate(int32_t shipType, double engineSpeed) {
    if (engineSpeed <= 0)
        return std::min(-engineSpeed / 5, MaxTurnRate);
    const double steering = ShipModelOf(shipType).Steering;
    const double rate = 1000 / (engineSpeed * std::sqrt(engineSpeed * (4 - steering / 10)));
    return std::min(rate, MaxTurnRate);
}
