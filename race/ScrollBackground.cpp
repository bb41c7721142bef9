#include "race/ScrollBackground.h"

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/RaceState.h"
#include "race/TrackGenerator.h"
#include "race/TrackWalls.h"

namespace {

constexpr int32_t CellSize = TTrackMap::CellSize;
constexpr int32_t TrackZ = 2;
constexpr int32_t StartViewCol = 318;
constexpr int32_t StartViewRow = 1478;
// The star field is a repeating tile; its position wraps by the screen's size.
constexpr double StarFieldWrapX = 800;
constexpr double StarFieldWrapY = 600;
constexpr double StarFieldSpeed = 0.25;  // of the track's

// The wall-tested window cells, under the player's fixed place on the screen.
constexpr int32_t PlayerCellsLeft = 4;
constexpr int32_t PlayerCellsTop = 5;
constexpr int32_t PlayerCellsAcross = 3;

// Brings a wrapping position back by one period when it has passed it either way.
double Wrapped(double position, double period) {
    if (position > period)
        return position - period;
    if (position < -period)
        return position + period;
    return position;
}

// Brings a window position that has left -72..0 back by one cell; true when it did.
bool KeepWithinCell(double& position) {
    if (position > 0) {
        position -= CellSize;
        return true;
    }
    if (position < -CellSize) {
        position += CellSize;
        return true;
    }
    return false;
}

// Moves the window one cell the way the track moves, but never past 0..lastView.
void StepView(int32_t& view, double velocity, int32_t lastView) {
    if (velocity > 0 && view > 0)
        --view;
    if (velocity < 0 && view < lastView)
        ++view;
}

}  // namespace

TScrollBackground::TScrollBackground(TGameServices& services, uint8_t imageList, int32_t imageIndex,
                                     int32_t mapWidth, int32_t mapHeight, TRaceState* race)
    : TBackgroundSprite(&services.Root), ImageList(imageList), services_(services), race_(race) {
    SetMapSize(mapWidth, mapHeight);
    SelectImage(imageIndex);
    X = Y = 0;
    SetZ(TrackZ);
    WrapAround = false;
    if (race_)
        race_->ScrollVelocity = {};
}

void TScrollBackground::SelectImage(int32_t imageIndex) {
    if (ImageList == 1 || ImageList == 2)
        SetImageItem(&services_.List(ImageList).Items(imageIndex));
    Width = ImageItem ? ImageItem->PatternWidth() : 0;
    Height = ImageItem ? ImageItem->PatternHeight() : 0;
}

void TScrollBackground::KillOnce() {
    if (Killed)
        return;
    Kill();
    Killed = true;
}

void TScrollBackground::GenerateTrack() {
    ViewCol = StartViewCol;
    ViewRow = StartViewRow;
    TTrackGenerator(race_->TrackMap, services_.Random).Generate(race_->TrackLength);
    CopyViewToChips();
}

// One row and one column more than the window shows, for the cell coming in; the chip map
// ignores them.
void TScrollBackground::CopyViewToChips() {
    for (int32_t row = ViewRow; row <= ViewRow + ViewRows; ++row) {
        for (int32_t column = ViewCol; column <= ViewCol + ViewColumns; ++column) {
            const uint8_t code = race_->TrackMap.Cell(column, row);
            SetChipAt(column - ViewCol, row - ViewRow, code == TTrackMap::EmptyCell ? -1 : code);
        }
    }
}

TCellPos TScrollBackground::CellUnder(double screenX, double screenY) const {
    return {Round(ViewCol * CellSize - Round(X) + screenX) / CellSize,
            Round(ViewRow * CellSize - Round(Y) + screenY) / CellSize};
}

TPointD TScrollBackground::ScreenFromWorld(const TPointD& world) const {
    return {world.X - ViewCol * CellSize + X, world.Y - ViewRow * CellSize + Y};
}

TPointD TScrollBackground::WorldFromScreen(const TPointD& screen) const {
    return {ViewCol * CellSize + screen.X - X, WorldYFromScreen(screen.Y)};
}

double TScrollBackground::WorldYFromScreen(double screenY) const {
    return ViewRow * CellSize + screenY - Y;
}

void TScrollBackground::Advance(int32_t /*moveCount*/) {
    if (!race_)
        return;  // a still background: no velocity, no star field, no walls
    const double frameFactor = services_.Timing.FrameFactor;
    ScrollX = race_->ScrollVelocity.X;
    ScrollY = race_->ScrollVelocity.Y;
    // 1 unit of velocity is half a pixel per frame.
    X += ScrollX * 0.5 * frameFactor;
    Y += ScrollY * 0.5 * frameFactor;
    MoveStarField(frameFactor);
    // At the map's edge the window refuses to move and the picture jumps by a cell instead of
    // showing cells outside the map.
    if (KeepWithinCell(X))
        StepView(ViewCol, ScrollX, TTrackMap::Columns - ViewColumns);
    if (KeepWithinCell(Y))
        StepView(ViewRow, ScrollY, TTrackMap::Rows - ViewRows);
    if (!race_->CollisionFrame)
        return;
    TestPlayerWalls();
    TestOpponentWalls();
}

void TScrollBackground::MoveStarField(double frameFactor) {
    TBackgroundSprite* stars = race_->StarField;
    if (!stars)
        return;
    stars->X = Wrapped(stars->X + ScrollX * 0.5 * frameFactor * StarFieldSpeed, StarFieldWrapX);
    stars->Y = Wrapped(stars->Y + ScrollY * 0.5 * frameFactor * StarFieldSpeed, StarFieldWrapY);
}

// Touching a wall takes every energy cell at once; a ship with none left is not hit again.
void TScrollBackground::TestPlayerWalls() {
    TPlayer* player = race_->Player;
    if (!player)
        return;
    for (int32_t cy = PlayerCellsTop; cy < PlayerCellsTop + PlayerCellsAcross; ++cy) {
        for (int32_t cx = PlayerCellsLeft; cx < PlayerCellsLeft + PlayerCellsAcross; ++cx) {
            const int32_t kind = WallKind(race_->TrackMap.Cell(ViewCol + cx, ViewRow + cy));
            if (kind == NoWall)
                continue;
            const TQuad wall = WallQuad(kind, CellSize * cx + X, CellSize * cy + Y);
            if (QuadsOverlap(player->Corners, wall) && player->Energy > 0 && !player->Destroyed) {
                player->WreckTurned = false;
                player->LoseEnergy(player->Energy);
            }
        }
    }
}

// The nine cells around each opponent's centre, in world pixels.
void TScrollBackground::TestOpponentWalls() {
    TOpponentShips* opponents = race_->Opponents;
    if (!opponents)
        return;
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
        TOpponentSlot& ship = opponents->Slot(slot);
        if (!ship.Active)
            continue;
        const int32_t column0 = Trunc(ship.CentreX / CellSize);
        const int32_t row0 = Trunc(ship.CentreY / CellSize);
        for (int32_t dr = -1; dr <= 1; ++dr) {
            for (int32_t dc = -1; dc <= 1; ++dc) {
                const int32_t kind = WallKind(race_->TrackMap.Cell(column0 + dc, row0 + dr));
                if (kind == NoWall)
                    continue;
                const TQuad wall =
                    WallQuad(kind, CellSize * (column0 + dc), CellSize * (row0 + dr));
                if (QuadsOverlap(ship.Hull, wall) && !ship.Exploding) {
                    ship.Hits = 4;
                    opponents->DestroyOpponent(slot);
                }
            }
        }
    }
}
