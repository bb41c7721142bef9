// The opponents' frame, ship by ship: lights, explosion, movement and outline, the random lane
// and speed changes, avoiding, steering, banking, firing at the player, throttle and brakes, and
// the stop past the finish.

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/PortableMath.h"
#include "engine/Rounding.h"
#include "race/Car.h"
#include "race/HeadingMath.h"
#include "race/OpponentModels.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"
#include "race/ShipPhysics.h"
#include "race/ShipSounds.h"

namespace {

constexpr double CellSize = TTrackMap::CellSize;
constexpr double BlinkRate = 0.15;  // of the light clock per frame
constexpr double BlinkPeriod = 2;
constexpr double ExplosionAnimation = 0.25;  // patterns per frame
constexpr double WreckDrag = 0.8;            // engine units per frame
// The window around the screen where a ship counts as on the screen, pixels from its top-left.
constexpr double OnScreenLeft = 0;
constexpr double OnScreenRight = 936;  // 13 cells
constexpr double OnScreenTop = -144;
constexpr double OnScreenBottom = 864;  // 12 cells
// Probes: 1/256 turn off the ship's axis and pixels from its centre.
struct TProbeSpot {
    double Angle;
    double Distance;
};
constexpr std::array<TProbeSpot, 4> ProbeSpots = {{{-2, 75}, {+2, 75}, {-44, 46}, {+44, 46}}};
// Random lane and speed changes.
constexpr int32_t ChangeStepMs = 300;
constexpr int32_t ChangeBaseMs = 4000;
constexpr int32_t LaneChangeRange = 60;  // pixels, centred on 0
constexpr int32_t LookAheadChoices = 3;
constexpr int32_t SpeedOffsetChoices = 10;  // -5..4
constexpr int32_t SpeedOffsetBase = 5;
// Where the lane offset jumps back from when it drifts too far to a side.
constexpr double LaneRightLimit = 50;
constexpr double LaneRightReset = 60;
constexpr double LaneLeftLimit = -40;
constexpr double LaneLeftReset = -30;
// Throttle and brakes, engine units.
constexpr double TopSpeedUnits = 160;
constexpr double MarkedStretchSpeed = 130;  // above this a ship brakes on kinds 2 and 5
// The heading stays within this of its row's direction, 1/256 turn.
constexpr double BendDirection = 18.89;
constexpr double HeadingLimit = 16;
constexpr int32_t FinishToStopRows = 100;

// Point at angle (1/256 turn) and distance from (x, y), 0 pointing up.
TPointD PointAt(double x, double y, double angle, double distance) {
    const double radians = angle * RadiansPerUnit;
    return {x + PortableSin(radians) * distance, y - PortableCos(radians) * distance};
}

}  // namespace

TPointD TCar::ScreenFromWorld(const TPointD& world) const {
    return race_.Track->ScreenFromWorld(world);
}

void TCar::Advance(int32_t moveCount) {
    TMyImageSprite::Advance(moveCount);
    for (int32_t slot = 1; slot <= SlotCount; ++slot)
        if (Slot(slot).Active)
            AdvanceSlot(slot);
}

void TCar::AdvanceSlot(int32_t slot) {
    TOpponentSlot& ship = Slot(slot);
    ship.BlinkTimer += BlinkRate * FrameFactor();
    if (ship.BlinkTimer > BlinkPeriod)
        ship.BlinkTimer = 0;
    ship.BlinkPhase = Round(ship.BlinkTimer * 4) % 2 == 0;
    if (ship.Exploding)
        ExplosionStep(slot);
    const TPointD screen = ScreenFromWorld({ship.X, ship.Y});
    ship.OnScreen = screen.X >= OnScreenLeft && screen.X <= OnScreenRight &&
                    screen.Y >= OnScreenTop && screen.Y <= OnScreenBottom;
    MoveStep(ship);
    OutlineStep(ship);
    LaneChangeStep(ship);
    SpeedChangeStep(ship);
    if (!ship.Exploding)
        Swerve(ship, Probe(slot));
    else
        Swerve(ship, {});
    if (ship.LaneOffset > LaneRightLimit)
        ship.LaneOffset = LaneRightReset;
    if (ship.LaneOffset < LaneLeftLimit)
        ship.LaneOffset = LaneLeftReset;
    double difference = 0;
    const int32_t targetRow = SteeringTarget(ship, difference);
    if (!ship.Exploding) {
        if (ship.Speed > 0)
            TurnStep(ship, difference);
        BankStep(ship);
        ImageStep(ship);
        FireStep(ship);
        ThrottleStep(ship, targetRow);
    }
    DirectionLimit(ship);
    ship.EngineSpeed -= ship.Drag * FrameFactor();
    ship.Speed = TopSpeedFactor(ship.Kind) * ship.EngineSpeed / 8;
    if (ship.CentreY < (race_.FinishLineRow() - FinishToStopRows) * CellSize)
        ship.EngineSpeed = ship.Speed = 0;
}

// The wreck burns and slows down; once it stands, the respawn timer runs.
void TCar::ExplosionStep(int32_t slot) {
    TOpponentSlot& ship = Slot(slot);
    ship.BankFrame += ExplosionAnimation * FrameFactor();
    ship.Drag = WreckDrag;
    if (ship.EngineSpeed > 0)
        return;
    ship.Drag = ship.EngineSpeed = ship.Speed = 0;
    if (ship.RespawnTimer < 1)
        RespawnOpponent(slot);
    else
        ship.RespawnTimer -= FrameTime();
}

void TCar::MoveStep(TOpponentSlot& ship) {
    const double radians = ship.Heading * RadiansPerUnit;
    ship.X += PortableSin(radians) * ship.Speed * 0.5 * FrameFactor();
    ship.Y -= PortableCos(radians) * ship.Speed * 0.5 * FrameFactor();
}

// The outline uses the player's ship type's scale, so every opponent shrinks alike.
void TCar::OutlineStep(TOpponentSlot& ship) {
    const TOpponentModel& model = OpponentModelOf(ship.Kind);
    ship.CentreX = ship.X + model.Width / 2.0;
    ship.CentreY = ship.Y + model.Height / 2.0;
    const double d = model.HullCornerDistance * OpponentHullScale(race_.ShipType);
    const double a = model.HullCornerAngle;
    const double h = ship.Heading;
    ship.Hull = {PointAt(ship.CentreX, ship.CentreY, h - a, d),
                 PointAt(ship.CentreX, ship.CentreY, h + a, d),
                 PointAt(ship.CentreX, ship.CentreY, h - a + 128, d),
                 PointAt(ship.CentreX, ship.CentreY, h + a + 128, d)};
    for (size_t i = 0; i < ProbeSpots.size(); ++i)
        ship.Probes[i] =
            PointAt(ship.CentreX, ship.CentreY, h + ProbeSpots[i].Angle, ProbeSpots[i].Distance);
}

// A random-change timer counts down; once it has run out it restarts at 4000..6700 ms and the
// change is due.
bool TCar::ChangeDue(int32_t& timer) {
    if (timer > 0) {
        timer -= FrameTime();
        return false;
    }
    timer = Services.Random.Random(10) * ChangeStepMs + ChangeBaseMs;
    return true;
}

void TCar::LaneChangeStep(TOpponentSlot& ship) {
    if (!ChangeDue(ship.LaneTimer) || ship.Avoiding)
        return;
    TRandom& random = Services.Random;
    ship.LaneOffset += random.Random(LaneChangeRange) - LaneChangeRange / 2;
    ship.LookAhead = random.Random(LookAheadChoices);
}

// The old offset is taken back by its size either way before the new one is added.
void TCar::SpeedChangeStep(TOpponentSlot& ship) {
    if (!ChangeDue(ship.SpeedTimer) || ship.Avoiding)
        return;
    if (ship.SpeedOffset > 0)
        ship.EngineSpeed -= ship.SpeedOffset;
    else
        ship.EngineSpeed += ship.SpeedOffset;
    ship.SpeedOffset = Services.Random.Random(SpeedOffsetChoices) - SpeedOffsetBase;
    ship.EngineSpeed += ship.SpeedOffset;
}

// The player ahead is aimed at: level with him or behind him, and pointing his way.
void TCar::FireStep(TOpponentSlot& ship) {
    const TPlayer& player = *race_.Player;
    const TPointD centre = ScreenFromWorld({ship.CentreX, ship.CentreY});
    const double behind = centre.Y - player.ShipCentreY;
    if (behind >= 500 || behind <= -20)
        return;
    if (ship.FireCooldown >= 1) {
        ship.FireCooldown -= FrameTime();
        return;
    }
    // Only the direction modulo half a turn counts: the ratio's arc tangent, not the quadrant's.
    const double direction =
        (ArcTanOfRatio(centre.Y - player.ShipCentreY, player.ShipCentreX - centre.X) + 1.5707965) *
        128 / 3.141593;
    if (std::abs(direction - ship.Heading) >= 16)
        return;
    ship.FireCooldown = 1000;
    race_.Sounds.PlaySound(ShotSound);
    if (setUpPass_)
        return;
    // The muzzle is the middle of the outline's front edge, on whole pixels.
    const double muzzleX = Round((ship.Hull[0].X + ship.Hull[1].X) / 2);
    const double muzzleY = Round((ship.Hull[0].Y + ship.Hull[1].Y) / 2);
    race_.Projectiles.SpawnProjectile(ShotKindOf(ship.Kind), TProjectileOwner::Opponent,
                                      Round(ship.Heading), muzzleX, muzzleY, Round(ship.Speed));
}

// Bends and straights always pull; the marked stretches (kinds 2 and 5) hold the ship near 130
// units.
void TCar::ThrottleStep(TOpponentSlot& ship, int32_t targetRow) {
    const uint8_t rowKind = race_.TrackMap.RowKind(targetRow);
    const double v = ship.EngineSpeed;
    const bool alwaysPull = rowKind == 1 || rowKind == 3 || rowKind == 4;
    if (alwaysPull || v <= MarkedStretchSpeed) {
        if (v <= TopSpeedUnits * TopSpeedFactor(ship.Kind))
            ship.EngineSpeed += Acceleration(ship.Kind, v, false) * FrameFactor();
        if (!setUpPass_)
            ship.Accelerating = true;
    } else {
        ship.Accelerating = false;
    }
    const bool marked = rowKind == 2 || rowKind == 5;
    ship.Drag = marked && ship.EngineSpeed > MarkedStretchSpeed ? BrakeDeceleration(ship.Kind) : 0;
}

void TCar::DirectionLimit(TOpponentSlot& ship) {
    const int32_t row = Round(ship.CentreY) / TTrackMap::CellSize;
    const uint8_t rowKind = race_.TrackMap.RowKind(row);
    const double direction = rowKind == 3 ? -BendDirection : rowKind == 4 ? BendDirection : 0;
    ship.Heading = std::clamp(ship.Heading, direction - HeadingLimit, direction + HeadingLimit);
}
