#include "race/TrackMap.h"

#include <algorithm>
#include <cstddef>

namespace {
size_t RowIndex(int32_t row) {
    return static_cast<size_t>(row - 1);
}
size_t CellIndex(int32_t column, int32_t row) {
    return RowIndex(row) * TTrackMap::Columns + static_cast<size_t>(column - 1);
}
}  // namespace

TTrackMap::TTrackMap()
    : cells_(static_cast<size_t>(Columns) * Rows, EmptyCell),
      rowKinds_(Rows, 0),
      centreLines_(Rows, 0) {}

uint8_t TTrackMap::Cell(int32_t column, int32_t row) const {
    if (!InsideColumns(column) || !InsideRows(row))
        return EmptyCell;
    return cells_[CellIndex(column, row)];
}

void TTrackMap::SetCell(int32_t column, int32_t row, uint8_t code) {
    if (InsideColumns(column) && InsideRows(row))
        cells_[CellIndex(column, row)] = code;
}

void TTrackMap::Fill(uint8_t code) {
    std::fill(cells_.begin(), cells_.end(), code);
}

uint8_t TTrackMap::RowKind(int32_t row) const {
    return InsideRows(row) ? rowKinds_[RowIndex(row)] : 0;
}

void TTrackMap::SetRowKind(int32_t row, uint8_t kind) {
    if (InsideRows(row))
        rowKinds_[RowIndex(row)] = kind;
}

int32_t TTrackMap::CentreLineX(int32_t row) const {
    return InsideRows(row) ? centreLines_[RowIndex(row)] : 0;
}

void TTrackMap::SetCentreLineX(int32_t row, int32_t x) {
    if (InsideRows(row))
        centreLines_[RowIndex(row)] = x;
}
