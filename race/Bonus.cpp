// Scattering, collecting and drawing the level's pick-ups.

#include "race/Bonus.h"

#include <cmath>

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"

namespace {

constexpr int32_t RaceImageList = 2;
constexpr int32_t SpriteImage = 11;  // never drawn: the sprite draws its pick-ups itself
constexpr int32_t BonusZ = 5;
constexpr double CellSize = TTrackMap::CellSize;
constexpr uint8_t LeftBorderCode = 2;
// The rows searched: from five rows past the finish line's row (1549 - length) to just before
// the start area.
constexpr int32_t FirstRowPastLength = 1549;
constexpr int32_t RowsEnd = 1495;
constexpr int32_t ColumnSpread = 4;       // a pick-up lies 1..4 cells right of the border
constexpr int32_t PickUpAnimStarts = 40;  // tenths of a pattern
constexpr double PickUpAnimStep = 0.06;   // patterns per frame
constexpr double PickUpAnimEnd = 4;
constexpr int32_t DrawInset = 19;        // pixels from the cell's top-left
constexpr int32_t TouchFar = 64;         // the far test points
constexpr double CollectDistance = 100;  // pixels from the ship's centre, each way
constexpr int32_t ScoreSound = 14;
constexpr int32_t PowerUpSound = 15;
constexpr int32_t PowerUpPoints = 10;
constexpr int32_t FirstPowerUpKind = 4;  // kinds 4..8 give power-ups 1..5

int32_t ImageOf(TBonusKind kind) {
    constexpr std::array<int32_t, 8> images = {11, 13, 14, 15, 59, 60, 61, 62};
    return images.at(static_cast<size_t>(kind) - 1);
}

int32_t PointsOf(TBonusKind kind) {
    switch (kind) {
        case TBonusKind::Score50:
            return 50;
        case TBonusKind::Score100:
            return 100;
        default:
            return PowerUpPoints;
    }
}

}  // namespace

TBonus::TBonus(TGameServices& services, TRaceState& race)
    : TMyImageSprite(services, RaceImageList), race_(race) {
    SelectImage(SpriteImage);
    Place(0, 0, false);
    SetZ(BonusZ);
    PlaceBonuses();
}

// The draws per border cell come in this order: the column, the kind (again while it would be a
// fourth life), the animation start. A later border cell of the row moves the pick-up there.
void TBonus::PlaceBonuses() {
    for (TPickUp& pickUp : pickUps_)
        pickUp.Active = false;
    TRandom& random = Services.Random;
    const TTrackMap& map = race_.TrackMap;
    const int32_t low = FirstRowPastLength - race_.TrackLength;
    const int32_t count = std::min(race_.BonusCount, MaxPickUps);
    int32_t lives = 0;
    for (int32_t n = 1; n <= count; ++n) {
        const int32_t row = low + random.Random(RowsEnd - low);
        for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
            if (map.Cell(column, row) != LeftBorderCode)
                continue;
            TPickUp& pickUp = PickUp(n);
            pickUp.Active = true;
            pickUp.Column = column + 1 + random.Random(ColumnSpread);
            pickUp.Row = row;
            int32_t kind = random.Random(8) + 1;
            while (lives >= MaxLifeBonuses && kind == static_cast<int32_t>(TBonusKind::Life))
                kind = random.Random(8) + 1;
            pickUp.Kind = static_cast<TBonusKind>(kind);
            if (pickUp.Kind == TBonusKind::Life)
                ++lives;
            pickUp.Anim = random.Random(PickUpAnimStarts) / 10.0;
        }
    }
}

// Only pick-ups near the ship's centre are tested against the sprites, at the corners of the
// drawn pick-up; the ship collects it when it is the topmost sprite at one of them. A wreck
// collects nothing: a life picked up by the last life's wreck would undo the game's end.
void TBonus::Advance(int32_t /*moveCount*/) {
    const TScrollBackground& track = *race_.Track;
    TPlayer& player = *race_.Player;
    for (int32_t n = 1; n <= std::min(race_.BonusCount, MaxPickUps); ++n) {
        TPickUp& pickUp = PickUp(n);
        if (!pickUp.Active)
            continue;
        pickUp.Anim += PickUpAnimStep * Services.Timing.FrameFactor;
        if (pickUp.Anim > PickUpAnimEnd)
            pickUp.Anim = 0;
        const int32_t x = Round(track.X + (pickUp.Column - track.ViewCol) * CellSize);
        const int32_t y = Round(track.Y + (pickUp.Row - track.ViewRow) * CellSize);
        if (player.Destroyed)
            continue;
        if (std::abs(y + DrawInset - player.ShipCentreY) >= CollectDistance ||
            std::abs(x + DrawInset - player.ShipCentreX) >= CollectDistance)
            continue;
        for (const auto& [dx, dy] :
             {std::pair{DrawInset, DrawInset}, std::pair{TouchFar, DrawInset},
              std::pair{DrawInset, TouchFar}, std::pair{TouchFar, TouchFar}})
            if (Services.Root.SpriteAt(x + dx, y + dy) == &player) {
                Collect(pickUp);
                break;
            }
    }
}

void TBonus::Collect(TPickUp& pickUp) {
    pickUp.Active = false;
    TPlayer& player = *race_.Player;
    player.AddScore(PointsOf(pickUp.Kind));
    const int32_t kind = static_cast<int32_t>(pickUp.Kind);
    if (kind < FirstPowerUpKind) {
        race_.Sounds.PlaySound(ScoreSound);
        return;
    }
    player.ApplyBonus(kind - FirstPowerUpKind + 1);
    race_.Sounds.PlaySound(PowerUpSound);
}

// Only the window's 14 x 11 cells are drawn; a pick-up outside can still be collected.
void TBonus::Render() {
    if (!Engine || !Engine->Surface)
        return;
    const TScrollBackground& track = *race_.Track;
    for (int32_t n = 1; n <= std::min(race_.BonusCount, MaxPickUps); ++n) {
        const TPickUp& pickUp = PickUp(n);
        if (!pickUp.Active || pickUp.Column < track.ViewCol ||
            pickUp.Column > track.ViewCol + TScrollBackground::ViewColumns ||
            pickUp.Row < track.ViewRow || pickUp.Row > track.ViewRow + TScrollBackground::ViewRows)
            continue;
        Services.List(RaceImageList)
            .Items(ImageOf(pickUp.Kind))
            .DrawPattern(*Engine->Surface,
                         Round((pickUp.Column - track.ViewCol) * CellSize + track.X) + DrawInset,
                         Round(track.Y + (pickUp.Row - track.ViewRow) * CellSize) + DrawInset,
                         Trunc(pickUp.Anim));
    }
}
