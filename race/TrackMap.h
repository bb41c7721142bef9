#pragma once
// The track map: 650 columns by 1500 rows of 72 x 72 pixel cells, both counted from 1. Row numbers
// fall in the racing direction: a race starts near row 1500 and runs toward row 1. Cell
// (column C, row R) covers world pixels x 72C..72C+71 and y 72R..72R+71. Each cell holds a cell
// code, which is also the pattern of the track image drawn for it; 255 is empty space.
//
// Every read outside the map gives empty space (or 0 for the per-row values) and every write
// outside it is skipped, so callers can look at neighbours without guarding the borders.

#include <cstdint>
#include <vector>

class TTrackMap {
public:
    static constexpr int32_t Columns = 650;
    static constexpr int32_t Rows = 1500;
    static constexpr int32_t CellSize = 72;  // pixels each way
    static constexpr uint8_t EmptyCell = 255;

    TTrackMap();

    uint8_t Cell(int32_t column, int32_t row) const;
    void SetCell(int32_t column, int32_t row, uint8_t code);
    void Fill(uint8_t code);

    // The segment kind (1..5) that built the row; 3 means the track bends left there, 4 right.
    uint8_t RowKind(int32_t row) const;
    void SetRowKind(int32_t row, uint8_t kind);

    // The x of the track's centre line in the row, world pixels.
    int32_t CentreLineX(int32_t row) const;
    void SetCentreLineX(int32_t row, int32_t x);

    static bool Drivable(uint8_t code) { return code >= 1 && code < EmptyCell; }

private:
    static bool InsideColumns(int32_t column) { return column >= 1 && column <= Columns; }
    static bool InsideRows(int32_t row) { return row >= 1 && row <= Rows; }

    std::vector<uint8_t> cells_;        // row-major, cell (1, 1) first
    std::vector<uint8_t> rowKinds_;     // per row, row 1 first
    std::vector<int32_t> centreLines_;  // per row, row 1 first
};
