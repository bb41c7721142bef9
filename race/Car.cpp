// The opponents' sprite: the level set-up, the damage a ship takes, its explosion and its return
// to the track.

#include "race/Car.h"

#include "race/LevelTables.h"
#include "race/ScrollBackground.h"
#include "race/ShipModels.h"
#include "race/ShipSounds.h"

namespace {

constexpr uint8_t RaceImageList = 2;
constexpr int32_t SpriteImage = 9;  // never drawn
constexpr int32_t CarZ = 0;
constexpr double CellSize = TTrackMap::CellSize;
constexpr int32_t FirstTimerMs = 5000;  // before the first lane and speed change
constexpr int32_t BlinkSteps = 20;
constexpr int32_t HitsToDestroy = 4;
constexpr int32_t RespawnMs = 1000;

// Start places on the start straight, pixels from the window's first cell, and the lane each
// ship keeps to at first: the odd slots left of the centre line, the even ones right.
struct TStartPlace {
    double X;
    double Y;
    double LaneOffset;
};
constexpr std::array<TStartPlace, TOpponentShips::SlotCount> StartPlaces = {{
    {288, 256, -30},
    {402, 94, 60},
    {288, -50, -30},
    {402, -224, 60},
    {288, -368, -30},
}};

// The right border pieces a ship comes back beside, and the heading along the road there.
struct TBorderMark {
    uint8_t Code;
    double Heading;
};
constexpr std::array<TBorderMark, 5> BorderMarks = {{
    {3, 0},
    {15, +18.89},
    {17, +18.89},
    {7, -18.89},
    {9, -18.89},
}};
constexpr int32_t BorderToShipColumns = 2;

const TBorderMark* BorderMarkOf(uint8_t code) {
    for (const TBorderMark& mark : BorderMarks)
        if (mark.Code == code)
            return &mark;
    return nullptr;
}

}  // namespace

TCar::TCar(TGameServices& services, TRaceState& race)
    : TMyImageSprite(services, RaceImageList), race_(race) {
    SelectImage(SpriteImage);
    Place(0, 0, false);
    SetZ(CarZ);
    SetUpOpponents();
}

void TCar::SetUpOpponents() {
    TRandom& random = Services.Random;
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        Slot(slot) = {.BlinkTimer = random.Random(BlinkSteps) / static_cast<double>(BlinkSteps),
                      .LaneTimer = FirstTimerMs,
                      .SpeedTimer = FirstTimerMs};
    }
    const TScrollBackground& track = *race_.Track;
    for (int32_t slot = 1; slot <= SlotCount; ++slot) {
        if (!OpponentRaces(slot, race_.Level))
            continue;
        TOpponentSlot& ship = Slot(slot);
        const TStartPlace& place = StartPlaces.at(static_cast<size_t>(slot - 1));
        ship.Active = true;
        ship.Kind = static_cast<uint8_t>(random.Random(5) + 1);
        ship.ImagePattern = ShipModelOf(ship.Kind).StraightImage;
        ship.OnScreen = true;
        ship.X = track.ViewCol * CellSize + place.X;
        ship.Y = track.ViewRow * CellSize + place.Y;
        ship.LaneOffset = place.LaneOffset;
    }
    setUpPass_ = true;
    Advance(1);
    setUpPass_ = false;
}

void TCar::DamageOpponent(int32_t slot) {
    TOpponentSlot& ship = Slot(slot);
    ++ship.Hits;
    if (ship.Hits >= HitsToDestroy)
        DestroyOpponent(slot);
}

void TCar::DestroyOpponent(int32_t slot) {
    TOpponentSlot& ship = Slot(slot);
    ship.Exploding = true;
    ship.ImagePattern = ShipModelOf(ship.Kind).ExplosionImage;
    ship.BankFrame = 0;
    ship.RespawnTimer = RespawnMs;
    race_.Sounds.PlaySound(ExplosionSound);
}

// The rows just ahead of, at and behind the ship's are searched, each from the map's right edge;
// the last of them with a border piece wins. The columns stay inside the map.
void TCar::RespawnOpponent(int32_t slot) {
    TOpponentSlot& ship = Slot(slot);
    ship.Exploding = false;
    ship.Hits = 0;
    ship.ImagePattern = ShipModelOf(ship.Kind).StraightImage;
    ship.BankFrame = 0;
    const int32_t shipRow = static_cast<int32_t>(ship.CentreY / CellSize);
    for (int32_t row = shipRow - 1; row <= shipRow + 1; ++row) {
        for (int32_t column = TTrackMap::Columns - 2; column >= 1; --column) {
            const TBorderMark* mark = BorderMarkOf(race_.TrackMap.Cell(column, row - 1));
            if (!mark)
                continue;
            ship.Heading = mark->Heading;
            ship.Y = row * CellSize;
            ship.X = (column - BorderToShipColumns) * CellSize;
            break;
        }
    }
}
