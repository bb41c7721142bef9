#include "SimpleDriver.h"

#include <algorithm>

#include "platform/Keys.h"

namespace vk = platform::vk;

namespace {
constexpr int32_t AimRowsAhead = 3;
constexpr double BendHeading = 37.78;     // 1/512 turn along a bend's road
constexpr double HeadingPerPixel = 0.25;  // toward the centre line
constexpr double MaxCorrection = 30;      // 1/512 turn
constexpr double DeadBand = 1;            // 1/512 turn
constexpr int32_t BrakeRowsAhead = 10;
// At this speed the ship turns fast enough to follow a bend; it steers at most 0.8 / 512 turn a
// frame below about 60 engine units and less the faster it goes.
constexpr double BendSpeed = 80;
constexpr uint8_t BendsLeft = 3;
constexpr uint8_t BendsRight = 4;

bool IsBend(uint8_t rowKind) {
    return rowKind == BendsLeft || rowKind == BendsRight;
}
}  // namespace

int32_t TSimpleDriver::ShipRow() const {
    return static_cast<int32_t>(race_.PlayerWorldY() / 72);
}

void TSimpleDriver::Drive() {
    const TScrollBackground& track = *race_.Track;
    const TPlayer& ship = *race_.Player;
    const TTrackMap& map = race_.TrackMap;
    const double worldX = track.ViewCol * 72 - track.X + ship.ShipCentreX;
    const int32_t aimRow = ShipRow() - AimRowsAhead;
    double roadHeading = 0;
    if (map.RowKind(aimRow) == BendsLeft)
        roadHeading = -BendHeading;
    if (map.RowKind(aimRow) == BendsRight)
        roadHeading = +BendHeading;
    const double correction = std::clamp((map.CentreLineX(aimRow) - worldX) * HeadingPerPixel,
                                         -MaxCorrection, MaxCorrection);
    const double wanted = roadHeading + correction;
    bool bendNear = false;
    for (int32_t row = ShipRow(); row >= ShipRow() - BrakeRowsAhead; --row)
        bendNear = bendNear || IsBend(map.RowKind(row));
    keys_.SetHeld(vk::Up, true);
    keys_.SetHeld(vk::Left, ship.FineHeading > wanted + DeadBand);
    keys_.SetHeld(vk::Right, ship.FineHeading < wanted - DeadBand);
    keys_.SetHeld(vk::Down, bendNear && ship.EngineSpeed > BendSpeed);
}
