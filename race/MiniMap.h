#pragma once
// The instrument panel's track mini-map: the twelve track rows from the window's top row, sixteen
// columns around the road, each cell a piece code that picks a piece image. Rebuilt every frame
// from the track map; the shift keeps the road's piece under the ship in the map's middle.

#include <array>
#include <cstdint>

#include "race/TrackMap.h"

struct TMiniMap {
    static constexpr int32_t Columns = 16;
    static constexpr int32_t Rows = 12;
    static constexpr int32_t CellWidth = 7;  // pixels on the panel
    static constexpr int32_t CellHeight = 18;
    // The slant of the shift and of the markers within a cell row, pixels per pixel of scroll.
    static constexpr double SlantPerPixel = 0.192;

    // Piece codes 1, 2, 3, 4, 6, 7, 10, 20, 30, 40; 0 is no piece.
    std::array<std::array<int32_t, Columns>, Rows> Pieces{};

    // Row 1..12, column 1..16.
    int32_t Piece(int32_t row, int32_t column) const { return Pieces.at(row - 1).at(column - 1); }
    // The map of the rows below viewRow, around the road's centre line of viewRow.
    void Build(const TTrackMap& map, int32_t viewRow);
    // The first column 1..16 of the row that holds a piece, 0 when it holds none.
    int32_t FirstPieceColumn(int32_t row) const;
    // The map's horizontal shift in pixels for the track sprite's Y; 0 (no shift) when the ship's
    // row 6 holds no piece.
    double Shift(double trackY) const;

private:
    void Set(int32_t row, int32_t column, int32_t piece);
};

// The mini-map's pixel scroll within a cell row: the track's Y in mini-map pixels.
inline double MiniMapScroll(double trackY) {
    return trackY / TTrackMap::CellSize * TMiniMap::CellHeight;
}
