// How an opponent finds its way: its probes against the player and the other ships, the swerve
// they call for, the lane a few rows ahead on the centre line, the turn toward it, and the bank
// and picture that follow the turn.

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "race/Car.h"
#include "race/HeadingMath.h"
#include "race/Player.h"
#include "race/ShipModels.h"
#include "race/ShipPhysics.h"

namespace {

enum TProbeIndex : size_t { FrontLeft = 0, FrontRight = 1, SideLeft = 2, SideRight = 3 };

constexpr double NearY = 200;  // pixels; farther ships are not probed
// Swerving: lane pixels and 1/256 turn per frame at FrameFactor 1.
constexpr double LaneStep = 6;
constexpr double SwerveTurn = 1;
constexpr double LaneStepPastPlayer = 8;
constexpr double SwerveTurnPastPlayer = 3;
constexpr double SideSwerveTurn = 2;
constexpr double SideSwerveLane = 6;
constexpr int32_t AvoidMs = 200;
// Steering toward the lane a few rows ahead.
constexpr int32_t TargetRowsAhead = 4;
constexpr double SteerDeadZone = 2;  // 1/256 turn
constexpr double BankHoldFrames = 10;
// Banking, per frame at FrameFactor 1, and the tilt that switches the picture.
constexpr double BankRate = 0.6;
constexpr double BankLevelling = 0.3;
constexpr double MaxBank = 6.5;
constexpr double BankedPicture = 1;

}  // namespace

TCar::TAvoidance TCar::Probe(int32_t slot) {
    const TOpponentSlot& ship = Slot(slot);
    const TPlayer& player = *race_.Player;
    TAvoidance avoidance;
    const auto inPlayer = [&](TProbeIndex probe) {
        return PointInQuad(ScreenFromWorld(ship.Probes[probe]), player.Corners);
    };
    // A slower player ahead is overtaken; the sides always keep clear of him.
    if (ship.Speed > player.Speed && (inPlayer(FrontLeft) || inPlayer(FrontRight)))
        avoidance.AheadBlocked = avoidance.PlayerAhead = true;
    if (inPlayer(SideLeft))
        avoidance.SteerRight = true;
    else if (inPlayer(SideRight))
        avoidance.SteerLeft = true;
    for (int32_t other = 1; other <= SlotCount; ++other) {
        const TOpponentSlot& neighbour = Slot(other);
        if (other == slot || !neighbour.Active ||
            std::abs(neighbour.CentreY - ship.CentreY) >= NearY)
            continue;
        if (PointInQuad(ship.Probes[FrontLeft], neighbour.Hull))
            avoidance.AheadBlocked = true;
        if (PointInQuad(ship.Probes[FrontRight], neighbour.Hull))
            avoidance.AheadBlocked = true;
        else if (PointInQuad(ship.Probes[SideLeft], neighbour.Hull))
            avoidance.SteerRight = true;
        else if (PointInQuad(ship.Probes[SideRight], neighbour.Hull))
            avoidance.SteerLeft = true;
    }
    return avoidance;
}

// A blocked ship swerves toward the middle of the road; a touch at the side pushes it away. The
// avoiding state outlasts the last touch by 200 ms and freezes the random lane and speed changes.
void TCar::Swerve(TOpponentSlot& ship, const TAvoidance& avoidance) {
    const double frameFactor = FrameFactor();
    const double laneStep = avoidance.PlayerAhead ? LaneStepPastPlayer : LaneStep;
    const double turnStep = avoidance.PlayerAhead ? SwerveTurnPastPlayer : SwerveTurn;
    if (avoidance.AheadBlocked) {
        const double side = ship.LaneOffset > 0 ? -1 : +1;
        ship.Heading += side * turnStep * frameFactor;
        ship.LaneOffset += side * laneStep;
    } else if (avoidance.SteerRight) {
        ship.Heading += SideSwerveTurn * frameFactor;
        ship.LaneOffset += SideSwerveLane;
    }
    if (avoidance.SteerLeft) {
        ship.Heading -= SideSwerveTurn * frameFactor;
        ship.LaneOffset -= SideSwerveLane;
    }
    if (avoidance.Any()) {
        ship.Avoiding = true;
        ship.AvoidTimer = AvoidMs;
    } else if (ship.AvoidTimer < 1) {
        ship.Avoiding = false;
    } else {
        ship.AvoidTimer -= FrameTime();
    }
}

// The look-ahead only reaches past a straight; entering a bend it falls back to 4 rows.
int32_t TCar::SteeringTarget(TOpponentSlot& ship, double& difference) {
    const int32_t shipRow = Round(ship.CentreY) / TTrackMap::CellSize;
    const int32_t targetRow = shipRow - TargetRowsAhead - ship.LookAhead;
    const double across = race_.TrackMap.CentreLineX(targetRow) + ship.LaneOffset - ship.CentreX;
    const double ahead = ship.CentreY - targetRow * TTrackMap::CellSize;
    const double target = ArcTanOfRatio(across, ahead) * UnitsPerRadian;
    difference = ship.Avoiding ? 0 : target - ship.Heading;
    const uint8_t rowKind = race_.TrackMap.RowKind(targetRow);
    if (rowKind != 1 && rowKind != 5)
        ship.LookAhead = 0;
    return targetRow;
}

// Only a moving ship turns.
void TCar::TurnStep(TOpponentSlot& ship, double difference) {
    if (std::abs(difference) <= SteerDeadZone) {
        ship.Turning = false;
        return;
    }
    if (!ship.Turning) {
        ship.TurnStartHeading = ship.Heading;
        ship.Turning = true;
    }
    ship.BankHold = BankHoldFrames;
    const double sign = ship.Speed > 0 ? 1 : ship.Speed < 0 ? -1 : 0;
    const double turn = sign * TurnRate(ship.Kind, ship.EngineSpeed) * 2 * FrameFactor();
    ship.Heading += difference > 0 ? turn : -turn;
}

// The bank grows while the turn goes on, holds for a few frames after it, then levels out.
void TCar::BankStep(TOpponentSlot& ship) {
    const double frameFactor = FrameFactor();
    if (ship.Turning) {
        if (ship.Heading > ship.TurnStartHeading)
            ship.Bank += BankRate * frameFactor;
        else if (ship.Heading < ship.TurnStartHeading)
            ship.Bank -= BankRate * frameFactor;
        ship.Bank = std::clamp(ship.Bank, -MaxBank, MaxBank);
    } else if (ship.BankHold > 0) {
        ship.BankHold -= 1;
    } else if (ship.Bank > 0) {
        ship.Bank = std::max(ship.Bank - BankLevelling * frameFactor, 0.0);
    } else if (ship.Bank < 0) {
        ship.Bank = std::min(ship.Bank + BankLevelling * frameFactor, 0.0);
    }
}

// The banked pictures show their deepest tilt first.
void TCar::ImageStep(TOpponentSlot& ship) {
    const TShipModel& model = ShipModelOf(ship.Kind);
    if (ship.Bank > BankedPicture) {
        ship.BankDirection = 1;
        ship.ImagePattern = model.RightTiltImage;
    } else if (ship.Bank < -BankedPicture) {
        ship.BankDirection = -1;
        ship.ImagePattern = model.LeftTiltImage;
    } else {
        ship.BankDirection = 0;
        ship.ImagePattern = model.StraightImage;
    }
    ship.BankFrame = ship.BankDirection != 0 ? MaxBank - std::abs(ship.Bank) : 0;
}
