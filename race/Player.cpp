// The player's ship: construction, the order of its frame, its outline, the finish line and the
// return to the track.

#include "race/Player.h"

#include <algorithm>
#include <cmath>

#include "engine/PortableMath.h"
#include "engine/Rounding.h"
#include "race/Projectiles.h"
#include "race/RaceRank.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"

namespace {

constexpr int32_t RaceImageList = 2;
constexpr int32_t PlayerZ = 12;
constexpr int32_t FullEnergy = 4;
constexpr double TurnsPerRadian = 256 / 6.283186;   // 1/256 turn
constexpr double RadiansPerUnit = 0.0245436953125;  // of 1/256 turn
constexpr int32_t StartRowOffset = 1490;            // the window at every track's start

// Where a ship is put back: the rightmost right wall piece of a row marks the road, and the
// window is placed so that the ship's place on the screen lies on the floor, turned along the
// road.
struct TTrackMarker {
    uint8_t Code;
    double FineHeading;
    int32_t ViewColumnFromMarker;
};
constexpr std::array<TTrackMarker, 5> TrackMarkers = {{
    {3, 0, -7},
    {15, +38, -8},
    {17, +38, -8},
    {7, -38, -6},
    {9, -38, -6},
}};
// Rows searched below the window's top row.
constexpr int32_t MarkerSearchStart = 5;
constexpr int32_t MarkerToViewRow = -4;

const TTrackMarker* MarkerOf(uint8_t code) {
    for (const TTrackMarker& marker : TrackMarkers)
        if (marker.Code == code)
            return &marker;
    return nullptr;
}

}  // namespace

TPlayer::TPlayer(TGameServices& services, TRaceState& race, double x, double y)
    : TMyImageSprite(services, RaceImageList), race_(race) {
    const TShipModel& model = ShipModelOf(race_.ShipType);
    SelectImage(model.StraightImage);
    Place(x, y, false);
    SetZ(PlayerZ);
    ShipCentreX = x + Width / 2.0;
    ShipCentreY = y + Height / 2.0;
    const double halfLength = Height / 2.0;
    const double halfWidth = model.HullWidth / 2.0;
    CornerRadius = std::sqrt(halfLength * halfLength + halfWidth * halfWidth);
    CornerAngle = PortableAtan(halfWidth / halfLength) * TurnsPerRadian;
}

void TPlayer::ReadControls(const TRaceControls& controls) {
    KeyLeft = controls.Left;
    KeyRight = controls.Right;
    KeyAccelerate = controls.Accelerate;
    KeyBrake = controls.Brake;
    KeyHandbrake = controls.Handbrake;
    KeyFire = controls.Fire;
    KeyNitro = controls.Nitro;
    KeyHorn = controls.Horn;
}

// The projectiles move and hit before the outline is recomputed, so they meet the ship
// where it was drawn.
void TPlayer::Advance(int32_t moveCount) {
    TMyImageSprite::Advance(moveCount);
    SpawnAsteroids(race_, Services);
    BlinkStep();
    if (!Destroyed)
        TiltStep();
    FinishTest();
    UpdateProjectiles(race_, Services.Timing);
    CullProjectiles(race_);
    if (!Finished)
        UpdateRank(race_);
    ComputeCorners();
    BumpBoostStep();
    if (race_.CollisionFrame && !Destroyed && !Invulnerable)
        BumpOpponents();
    if (Destroyed) {
        ExplosionStep();
        return;
    }
    if (!Finished)
        ControlStep();
    Heading = Round(FineHeading / 2);
    if (Finished || TimeOver) {
        OutcomeStep();
        return;
    }
    OnTrack = OnTrackTest();
    EngineSoundStep();
    WeaponStep();
    DragStep();
    // No reversing behind the start.
    if (Track().ViewRow == StartRowOffset && EngineSpeed < 0)
        EngineSpeed = Speed = 0;
}

void TPlayer::BlinkStep() {
    BlinkPhase += 0.15 * FrameFactor();
    if (BlinkPhase > 2)
        BlinkPhase = 0;
    BlinkOn = Round(BlinkPhase * 4) % 2 == 0;
}

// Set once the line has passed the ship's top edge; it stays set until the next level.
void TPlayer::FinishTest() {
    const TScrollBackground& track = Track();
    if ((race_.FinishLineRow() - track.ViewRow) * TTrackMap::CellSize + track.Y > Y)
        Finished = true;
}

void TPlayer::ComputeCorners() {
    const TShipModel& model = ShipModelOf(race_.ShipType);
    const double front = CornerRadius * model.FrontCornerFactor;
    const double rear = CornerRadius * model.RearCornerFactor;
    const auto corner = [this](double angle, double radius) {
        return TPointD{ShipCentreX + PortableSin(angle * RadiansPerUnit) * radius,
                       ShipCentreY - PortableCos(angle * RadiansPerUnit) * radius};
    };
    Corners = {corner(Heading - CornerAngle, front), corner(Heading + CornerAngle, front),
               corner(Heading + 128 - CornerAngle, rear),
               corner(Heading + 128 + CornerAngle, rear)};
}

// Searches from a few rows below the window's top toward the start, and within each row from the
// right; without a marker the ship stays where it is, pointing up the track.
void TPlayer::PlaceOnTrack() {
    TScrollBackground& track = Track();
    for (int32_t row = track.ViewRow + MarkerSearchStart; row <= TTrackMap::Rows; ++row) {
        for (int32_t column = TTrackMap::Columns - 1; column >= 1; --column) {
            const TTrackMarker* marker = MarkerOf(race_.TrackMap.Cell(column, row));
            if (!marker)
                continue;
            FineHeading = marker->FineHeading;
            Heading = Round(FineHeading / 2);
            track.ViewCol = std::clamp(column + marker->ViewColumnFromMarker, 0,
                                       TTrackMap::Columns - TScrollBackground::ViewColumns);
            track.ViewRow =
                std::clamp(row + MarkerToViewRow, 0, TTrackMap::Rows - TScrollBackground::ViewRows);
            track.X = track.Y = 0;
            return;
        }
    }
    FineHeading = 0;
    Heading = 0;
}

void TPlayer::ResetShip() {
    TimeOver = false;
    Destroyed = false;
    OutcomeHandled = false;
    Speed = EngineSpeed = 0;
    StartAnimation(ShipModelOf(race_.ShipType).StraightImage, 0);
    TiltState = 0;
    FrameSpeed = 0;
    Energy = FullEnergy;
}
