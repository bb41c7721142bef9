// The instruments on the panel right of the race view: the mini-map with the opponents' markers,
// the turn warnings and the map's frame, the speedometer and the energy cells.

#include <array>

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"
#include "race/OpponentShips.h"
#include "race/Player.h"
#include "race/ScrollBackground.h"

namespace {

constexpr int32_t RaceImageList = 2;
constexpr int32_t MiniMapImageList = 3;
constexpr double CellSize = TTrackMap::CellSize;

// Mini-map piece code to its image; -1 draws nothing.
int32_t PieceImage(int32_t piece) {
    switch (piece) {
        case 1:
            return 0;
        case 2:
            return 1;
        case 3:
            return 2;
        case 4:
            return 3;
        case 6:
            return 4;
        case 7:
            return 5;
        case 10:
            return 6;
        case 20:
            return 7;
        case 30:
            return 8;
        case 40:
            return 9;
        default:
            return -1;
    }
}

// How far right of its row's first piece an opponent's marker sits, by that piece.
double MarkerOffset(int32_t piece) {
    switch (piece) {
        case 1:
            return 9;
        case 3:
            return 14;
        case 20:
            return 4;
        case 40:
            return -1;
        default:
            return 0;
    }
}

constexpr int32_t MiniMapLeft = 631;  // pixels, before the shift
constexpr int32_t MiniMapTop = 14;
constexpr int32_t DrawnMiniMapRows = 11;
constexpr int32_t MarkerImage = 10;
constexpr int32_t MarkerAreaHeight = 210;  // pixels of the map's frame
constexpr int32_t BendLeftKind = 3;
constexpr int32_t BendRightKind = 4;

constexpr int32_t SpeedometerDigitImage = 47;  // + digit
constexpr std::array<std::array<int32_t, 2>, 4> SpeedometerDigits = {
    {{645, 439}, {656, 433}, {667, 428}, {678, 423}}};
constexpr double SpeedometerScale = 19;  // shown per engine unit
constexpr int32_t SpeedometerUnitImage = 57;
constexpr int32_t EnergyCellImage = 42;  // + cell 1..4
constexpr std::array<std::array<int32_t, 2>, 4> EnergyCells = {
    {{606, 546}, {640, 511}, {693, 482}, {743, 461}}};

}  // namespace

void TPlayer::DrawPanelImage(int32_t list, int32_t image, int32_t x, int32_t y) const {
    Services.List(list).Items(image).DrawPattern(*Engine->Surface, x, y, 0);
}

void TPlayer::DrawMiniMap() {
    const TScrollBackground& track = Track();
    MiniMap.Build(race_.TrackMap, track.ViewRow);
    const double shift = MiniMap.Shift(track.Y);
    const int32_t scroll = Round(MiniMapScroll(track.Y));
    for (int32_t row = 1; row <= DrawnMiniMapRows; ++row)
        for (int32_t column = 1; column <= TMiniMap::Columns; ++column) {
            const int32_t image = PieceImage(MiniMap.Piece(row, column));
            if (image >= 0)
                DrawPanelImage(MiniMapImageList, image,
                               Round(shift) + column * TMiniMap::CellWidth + MiniMapLeft,
                               scroll + row * TMiniMap::CellHeight + MiniMapTop);
        }
    if (race_.Opponents)
        for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot)
            DrawOpponentMarker(race_.Opponents->Slot(slot), shift, scroll);
}

// An opponent whose mini-map row holds no piece has no place on the map and gets no marker.
void TPlayer::DrawOpponentMarker(const TOpponentSlot& ship, double shift, int32_t scroll) {
    if (!ship.Active || !ship.OnScreen)
        return;
    const double below = (ship.Y - Track().ViewRow * CellSize) / CellSize * TMiniMap::CellHeight;
    const int32_t place = Round(below - MiniMapTop + 32);
    const int32_t row = place / TMiniMap::CellHeight;
    if (row < 1 || row > TMiniMap::Rows)
        return;
    const int32_t column = MiniMap.FirstPieceColumn(row);
    if (column == 0)
        return;
    const int32_t piece = MiniMap.Piece(row, column);
    double offset = MarkerOffset(piece);
    const double slant = TMiniMap::SlantPerPixel * (place % TMiniMap::CellHeight);
    if (piece == 1 || piece == 3)
        offset -= slant;
    if (piece == 20 || piece == 40)
        offset += slant;
    const int32_t top = scroll + Round(below) + TMiniMap::CellHeight;
    if (top < 0 || top > MarkerAreaHeight)
        return;
    DrawPanelImage(MiniMapImageList, MarkerImage,
                   Round(offset + column * TMiniMap::CellWidth + 638 + shift - 16),
                   scroll + Round(below - MiniMapTop) + 32);
}

void TPlayer::DrawTurnWarning() const {
    switch (race_.TrackMap.RowKind(Track().ViewRow)) {
        case BendLeftKind:
            DrawPanelImage(MiniMapImageList, 14, 667, 115);
            break;
        case BendRightKind:
            DrawPanelImage(MiniMapImageList, 15, 745, 115);
            break;
        default:
            break;
    }
}

void TPlayer::DrawMiniMapFrame() const {
    DrawPanelImage(MiniMapImageList, 12, 598, 0);
    DrawPanelImage(MiniMapImageList, 13, 638, 208);
    DrawPanelImage(MiniMapImageList, 11, 713, 112);
}

// Four digits on a slanted row; reversing shows 0000.
void TPlayer::DrawSpeedometer() const {
    int32_t shown = EngineSpeed < 0 ? 0 : Round(EngineSpeed * SpeedometerScale);
    for (int32_t place = 3; place >= 0; --place) {
        const auto [x, y] = SpeedometerDigits.at(static_cast<size_t>(place));
        DrawPanelImage(RaceImageList, SpeedometerDigitImage + shown % 10, x, y);
        shown /= 10;
    }
    DrawPanelImage(RaceImageList, SpeedometerUnitImage, 695, 404);
}

void TPlayer::DrawEnergyCells() const {
    for (int32_t cell = 1; cell <= Energy && cell <= 4; ++cell) {
        const auto [x, y] = EnergyCells.at(static_cast<size_t>(cell - 1));
        DrawPanelImage(RaceImageList, EnergyCellImage + cell, x, y);
    }
}
