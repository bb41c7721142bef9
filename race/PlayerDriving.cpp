// The player's driving: the controls, the engine's drag, the banking images, the speed changes
// of bumps and the coasting after the finish or the end of the time.

#include <algorithm>
#include <cmath>

#include "engine/Rounding.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"
#include "race/ShipPhysics.h"

namespace {

constexpr double MaxFineHeading = 128;        // 90 degrees each way, in 1/512 turn
constexpr double TopSpeed = 160;              // engine units, times TopSpeedFactor
constexpr double HandbrakeDrag = 0.6;         // engine units per frame
constexpr double OffTrackDrag = 0.5;          // engine units per frame
constexpr double OffTrackFreeSpeed = 80;      // off the track slower than this costs nothing
constexpr double StopBelow = 0.1;             // a forward crawl below this stops
constexpr double ReverseLimit = -8;           // engine units
constexpr double HandbrakeStopBelow = 1;      // the handbrake stops anything slower, either way
constexpr double CoastingDeceleration = 0.8;  // engine units per frame after the race
constexpr int32_t CoastLookDownRows = 10;
constexpr double CoastBendHeading = 37.78;  // 1/512 turn, along a bend's road
constexpr uint8_t BendsLeft = 3;            // row kinds
constexpr uint8_t BendsRight = 4;

// Banking: FramePos runs from 5.5 (barely banked) down to 0 (deepest) on the tilt images.
constexpr double LevelFramePos = 5.5;
constexpr double MinBankSpeed = 5;       // engine units; slower ships sit level
constexpr double BankDeepening = 0.125;  // patterns per frame
constexpr double BankLevelling = 0.15;
constexpr double FinishLevelling = 0.1;
constexpr double BankPerSpeed = 1.0 / 25;  // deepest pattern reachable per engine unit
constexpr int32_t TurnBeforeBank = 5;      // 1/256 turn of turning before the bank deepens

int Sign(double value) {
    return (value > 0) - (value < 0);
}

}  // namespace

// The horn is stopped on every frame its key is up, also when an explosion has already cleared
// HornOn without stopping the sound.
void TPlayer::ControlStep() {
    if (KeyHorn && !HornOn) {
        HornOn = true;
        race_.Sounds.PlaySound(HornSound);
    } else if (!KeyHorn) {
        HornOn = false;
        race_.Sounds.StopSound(HornSound);
    }
    if (!KeyHandbrake) {
        if (KeyLeft)
            Steer(-1);
        if (KeyRight)
            Steer(+1);
    }
    const int32_t ship = race_.ShipType;
    Drag = KeyBrake ? BrakeDeceleration(ship) : 0;
    if (!KeyAccelerate && !KeyBrake)
        Drag = CoastDrag(ship, EngineSpeed, NitroOn());
    if (KeyHandbrake && EngineSpeed != 0)
        Drag = EngineSpeed > 0 ? HandbrakeDrag : -HandbrakeDrag;
    if (KeyAccelerate && !KeyBrake) {
        if (EngineSpeed <= TopSpeed * TopSpeedFactor(ship))
            EngineSpeed += Acceleration(ship, EngineSpeed, NitroOn()) * FrameFactor();
        else
            Drag = CoastDrag(ship, EngineSpeed, NitroOn());
    }
    if (!OnTrack && EngineSpeed > OffTrackFreeSpeed)
        Drag = OffTrackDrag;
}

// A stopped ship does not turn; a reversing one turns the other way.
void TPlayer::Steer(double direction) {
    FineHeading += direction * Sign(Speed) * TurnRate(race_.ShipType, EngineSpeed) * FrameFactor();
    FineHeading = std::clamp(FineHeading, -MaxFineHeading, MaxFineHeading);
}

void TPlayer::DragStep() {
    EngineSpeed -= Drag * FrameFactor();
    if (EngineSpeed > 0 && EngineSpeed < StopBelow)
        EngineSpeed = 0;
    EngineSpeed = std::max(EngineSpeed, ReverseLimit);
    if (KeyHandbrake && std::abs(EngineSpeed) < HandbrakeStopBelow)
        EngineSpeed = 0;
    Speed = TopSpeedFactor(race_.ShipType) * EngineSpeed / 8;
}

void TPlayer::ScaleSpeed(bool withSound, double factor) {
    EngineSpeed *= factor;
    Speed *= factor;
    ResumeShipSounds(false);
    if (withSound)
        race_.Sounds.PlaySound(BumpSound);
}

// Scaling by (v + units) / v has no value at a standstill: there the units are added directly.
void TPlayer::ChangeSpeedBy(bool withSound, double units) {
    if (EngineSpeed != 0) {
        ScaleSpeed(withSound, (EngineSpeed + units) / EngineSpeed);
        return;
    }
    EngineSpeed = units;
    Speed = TopSpeedFactor(race_.ShipType) * EngineSpeed / 8;
    ResumeShipSounds(false);
    if (withSound)
        race_.Sounds.PlaySound(BumpSound);
}

// The left and right arrows as polled this frame bank the ship; the bank deepens once the turn
// has gone on for a while, the faster the deeper.
void TPlayer::TiltStep() {
    const double frameFactor = FrameFactor();
    if (Finished) {
        FramePos = std::min(FramePos + FinishLevelling * frameFactor, LevelFramePos);
        if (FramePos == LevelFramePos)
            SelectStraightImage();
        FineHeading = FineHeading > 0 ? std::max(FineHeading - frameFactor, 0.0)
                                      : std::min(FineHeading + frameFactor, 0.0);
        Heading = Round(FineHeading / 2);
    } else if (EngineSpeed < MinBankSpeed) {
        SelectStraightImage();
    } else if (race_.Controls.Left && TiltState != +1) {
        Bank(-1, PrevLeft);
    } else if (race_.Controls.Right && TiltState != -1) {
        Bank(+1, PrevRight);
    } else if (FramePos == LevelFramePos) {
        SelectStraightImage();
    } else if (TiltState != 0) {
        FramePos = std::min(FramePos + BankLevelling * frameFactor, LevelFramePos);
    }
    PrevLeft = KeyLeft;
    PrevRight = KeyRight;
}

void TPlayer::Bank(int32_t side, bool turnKeyWasHeld) {
    if (!turnKeyWasHeld)
        TurnStartHeading = Heading;
    SelectTiltImage(side);
    if (std::abs(Heading - TurnStartHeading) > TurnBeforeBank) {
        const double deepest = std::max(0.0, LevelFramePos - EngineSpeed * BankPerSpeed);
        FramePos = std::max(FramePos - BankDeepening * FrameFactor(), deepest);
    }
}

void TPlayer::SelectStraightImage() {
    if (TiltState == 0)
        return;
    TiltState = 0;
    SelectImage(ShipModelOf(race_.ShipType).StraightImage);
    FramePos = 0;
}

void TPlayer::SelectTiltImage(int32_t side) {
    if (TiltState == side)
        return;
    TiltState = side;
    const TShipModel& model = ShipModelOf(race_.ShipType);
    SelectImage(side < 0 ? model.LeftTiltImage : model.RightTiltImage);
    FramePos = LevelFramePos;
}

// After the finish line or the end of the time the ship rolls to a stop (from either direction),
// turned along the road by the direction of the row ten rows further down the map; rows past the
// map's bottom have none.
void TPlayer::Coast() {
    const double step = CoastingDeceleration * FrameFactor();
    EngineSpeed =
        EngineSpeed > 0 ? std::max(EngineSpeed - step, 0.0) : std::min(EngineSpeed + step, 0.0);
    Speed = TopSpeedFactor(race_.ShipType) * EngineSpeed / 8;
    KeyLeft = KeyRight = false;
    const TScrollBackground& track = Track();
    const int32_t row =
        Round(track.ViewRow * TTrackMap::CellSize + ShipCentreY - track.Y) / TTrackMap::CellSize;
    switch (race_.TrackMap.RowKind(row + CoastLookDownRows)) {
        case BendsLeft:
            FineHeading = -CoastBendHeading;
            break;
        case BendsRight:
            FineHeading = +CoastBendHeading;
            break;
        default:
            FineHeading = 0;
            break;
    }
}
