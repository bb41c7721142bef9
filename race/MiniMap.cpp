// Building the mini-map from the track's cell codes: each row shows the piece left of the road's
// first floor cell (code 1), or the finish line (code 19).

#include "race/MiniMap.h"

namespace {

constexpr uint8_t FloorCode = 1;
constexpr uint8_t FinishCode = 19;
constexpr int32_t ViewHalfWidth = 8;  // columns left of the centre line
constexpr int32_t ShipRow = 6;        // the mini-map row beside the ship

}  // namespace

void TMiniMap::Set(int32_t row, int32_t column, int32_t piece) {
    if (column >= 1 && column <= Columns)
        Pieces.at(row - 1).at(column - 1) = piece;
}

void TMiniMap::Build(const TTrackMap& map, int32_t viewRow) {
    Pieces = {};
    const int32_t left = map.CentreLineX(viewRow) / TTrackMap::CellSize - ViewHalfWidth;
    for (int32_t i = 1; i <= Rows; ++i) {
        const int32_t row = viewRow + i;
        if (row > TTrackMap::Rows)
            continue;
        for (int32_t j = 1; j <= Columns; ++j) {
            const uint8_t code = map.Cell(left + j, row);
            if (code == FinishCode) {
                Set(i, j, 7);
                break;
            }
            if (code != FloorCode)
                continue;
            switch (map.Cell(left + j - 1, row)) {
                case 2:
                    Set(i, j, 6);
                    break;
                case 5:
                    Set(i, j, 10);
                    Set(i, j - 1, 20);
                    break;
                case 6:
                    Set(i, j, 40);
                    Set(i, j + 1, 30);
                    break;
                case 12:
                    Set(i, j - 1, 1);
                    Set(i, j, 2);
                    break;
                case 14:
                    Set(i, j - 1, 3);
                    Set(i, j, 4);
                    break;
                default:
                    break;
            }
            break;
        }
    }
}

int32_t TMiniMap::FirstPieceColumn(int32_t row) const {
    for (int32_t column = 1; column <= Columns; ++column)
        if (Piece(row, column) != 0)
            return column;
    return 0;
}

double TMiniMap::Shift(double trackY) const {
    const int32_t column = FirstPieceColumn(ShipRow);
    if (column == 0)
        return 0;
    const int32_t piece = Piece(ShipRow, column);
    double offset = 0;
    switch (piece) {
        case 1:
            offset = 9;
            break;
        case 3:
            offset = 12;
            break;
        case 6:
        case 7:
            offset = 4;
            break;
        case 20:
            offset = 7;
            break;
        case 40:
            offset = 3;
            break;
        default:
            break;
    }
    const double slant = SlantPerPixel * MiniMapScroll(trackY);
    if (piece == 1 || piece == 3)
        offset += slant;
    if (piece == 20 || piece == 40)
        offset -= slant;
    return 715 - (offset + column * CellWidth + 631) + 9;
}
