#include "race/TrackGenerator.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

constexpr int32_t StartColumn = 320;  // the start area's left wall
constexpr int32_t StartLineRow = 1481;
constexpr int32_t FirstGeneratedRow = 1479;
constexpr int32_t FixedTailRows = 99;  // the last rows take the fixed way out of every bend

constexpr uint8_t Floor = 1;
constexpr uint8_t LeftWall = 2;
constexpr uint8_t RightWall = 3;
constexpr std::array<uint8_t, 6> StraightRow = {LeftWall, Floor, Floor, Floor, Floor, RightWall};
constexpr std::array<uint8_t, 6> LineRow = {18, 19, 20, 19, 21, 22};

// What one old cell (in the row below) writes into the new row: its left neighbour, the cell
// above it and its right neighbour, in this order; 0 writes nothing. A floor cell next to a
// bend's outer wall writes nothing when the old neighbour at BlockOffset holds BlockA or BlockB.
struct TCellRule {
    uint8_t Old = 0;
    uint8_t Left = 0;
    uint8_t Centre = 0;
    uint8_t Right = 0;
    int8_t BlockOffset = 0;
    uint8_t BlockA = 0;
    uint8_t BlockB = 0;
};

using TRuleTable = std::array<TCellRule, 256>;  // indexed by the old cell's code

constexpr TRuleTable MakeRuleTable(std::initializer_list<TCellRule> rules) {
    TRuleTable table{};
    for (const TCellRule& rule : rules)
        table[rule.Old] = rule;
    return table;
}

constexpr TRuleTable StraightRules = MakeRuleTable({
    {.Old = 1, .Centre = 1},
    {.Old = 2, .Centre = 2},
    {.Old = 3, .Centre = 3},
});

// The road moves one column left every two rows: row A (4 5 1 1 1 7 8) above a straight or a
// row B one column further right, row B (6 1 1 1 1 9 10) above row A.
constexpr TRuleTable BendLeftRules = MakeRuleTable({
    {.Old = 1, .Centre = 1, .BlockOffset = +1, .BlockA = 3, .BlockB = 9},
    {.Old = 2, .Left = 4, .Centre = 5},
    {.Old = 3, .Left = 7, .Centre = 8},
    {.Old = 4, .Centre = 6},
    {.Old = 5, .Centre = 1},
    {.Old = 6, .Left = 4, .Centre = 5},
    {.Old = 7, .Centre = 9},
    {.Old = 8, .Centre = 10},
    {.Old = 9, .Left = 7, .Centre = 8},
});

// The mirror: row A' (11 12 1 1 1 15 16), row B' (13 14 1 1 1 1 17), one column right every
// two rows.
constexpr TRuleTable BendRightRules = MakeRuleTable({
    {.Old = 1, .Centre = 1, .BlockOffset = -1, .BlockA = 2, .BlockB = 14},
    {.Old = 2, .Centre = 11, .Right = 12},
    {.Old = 3, .Centre = 15, .Right = 16},
    {.Old = 11, .Centre = 13},
    {.Old = 12, .Centre = 14},
    {.Old = 14, .Centre = 11, .Right = 12},
    {.Old = 15, .Centre = 1},
    {.Old = 16, .Centre = 17},
    {.Old = 17, .Centre = 15, .Right = 16},
});

// Turns a bend's last row B or B' back into a straight.
constexpr TRuleTable StraightenRules = MakeRuleTable({
    {.Old = 1, .Centre = 1},
    {.Old = 2, .Centre = 2},
    {.Old = 6, .Centre = 2},
    {.Old = 14, .Centre = 2},
    {.Old = 3, .Centre = 3},
    {.Old = 9, .Centre = 3},
    {.Old = 17, .Centre = 3},
});

struct TSegment {
    int32_t Rows;
    std::array<uint8_t, 2> RandomNext;  // Random(2) picks one, in the random part of the track
    uint8_t FinalNext;                  // in the last 99 rows
    const TRuleTable& Rules;
};

// Bends are entered only from kind 2 and left only through kind 5; a bend of 6 rows moves the
// track 3 columns, so every bend ends on a complete two-row step.
constexpr std::array<TSegment, 5> Segments = {{
    {8, {1, 2}, 1, StraightRules},    // 1: straight
    {10, {3, 4}, 1, StraightRules},   // 2: straight, may lead into a bend
    {6, {3, 5}, 5, BendLeftRules},    // 3: bend left
    {6, {4, 5}, 5, BendRightRules},   // 4: bend right
    {4, {1, 1}, 1, StraightenRules},  // 5: straighten
}};

const TSegment& SegmentOf(uint8_t kind) {
    return Segments[kind - 1];
}

// How far right of a row's left wall piece (at column C) its centre line lies: the x is
// 72 (C + 3) plus this, in pixels; codes without an entry are not left wall pieces.
struct TCentreOffset {
    uint8_t Code;
    int32_t Pixels;
};
constexpr std::array<TCentreOffset, 6> CentreOffsets = {
    {{2, 0}, {18, 0}, {4, 45}, {6, 16}, {11, 30}, {13, 60}}};

constexpr int16_t NotLeftWall = -1;

// The same by code, so that the scan of the whole map reads one entry per cell.
constexpr std::array<int16_t, 256> CentreOffsetByCode = [] {
    std::array<int16_t, 256> table{};
    table.fill(NotLeftWall);
    for (const TCentreOffset& offset : CentreOffsets)
        table[offset.Code] = static_cast<int16_t>(offset.Pixels);
    return table;
}();

}  // namespace

void TTrackGenerator::Generate(int32_t trackLength) {
    trackMap_.Fill(TTrackMap::EmptyCell);
    BuildStartArea();
    SegKind = 1;
    SegRowsLeft = SegmentOf(SegKind).Rows;
    const int32_t lastRow = std::max(1, TTrackMap::Rows - trackLength);
    for (int32_t row = FirstGeneratedRow; row >= lastRow; --row) {
        if (SegRowsLeft == 0)
            NextSegment(row, trackLength);
        BuildRow(row);
        trackMap_.SetRowKind(row, SegKind);
        --SegRowsLeft;
    }
    DrawFinishLine(FinishLineRowOf(trackLength));
    FindCentreLines();
}

// Rows 1499 up to 1480 straight, with the start line in row 1481; row 1500 stays empty.
void TTrackGenerator::BuildStartArea() {
    for (int32_t row = TTrackMap::Rows - 1; row >= FirstGeneratedRow + 1; --row) {
        const auto& pieces = row == StartLineRow ? LineRow : StraightRow;
        for (size_t i = 0; i < pieces.size(); ++i)
            trackMap_.SetCell(StartColumn + static_cast<int32_t>(i), row, pieces[i]);
        trackMap_.SetRowKind(row, 1);
    }
}

void TTrackGenerator::NextSegment(int32_t row, int32_t trackLength) {
    const TSegment& current = SegmentOf(SegKind);
    const bool randomPart = row >= TTrackMap::Rows + FixedTailRows - trackLength;
    SegKind =
        randomPart ? current.RandomNext[static_cast<size_t>(random_.Random(2))] : current.FinalNext;
    SegRowsLeft = SegmentOf(SegKind).Rows;
}

void TTrackGenerator::BuildRow(int32_t row) {
    const TRuleTable& rules = SegmentOf(SegKind).Rules;
    const int32_t oldRow = row + 1;
    for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
        const TCellRule& rule = rules[trackMap_.Cell(column, oldRow)];
        if (rule.BlockOffset != 0) {
            const uint8_t neighbour = trackMap_.Cell(column + rule.BlockOffset, oldRow);
            if (neighbour == rule.BlockA || neighbour == rule.BlockB)
                continue;
        }
        if (rule.Left != 0)
            trackMap_.SetCell(column - 1, row, rule.Left);
        if (rule.Centre != 0)
            trackMap_.SetCell(column, row, rule.Centre);
        if (rule.Right != 0)
            trackMap_.SetCell(column + 1, row, rule.Right);
    }
}

void TTrackGenerator::DrawFinishLine(int32_t row) {
    for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
        if (trackMap_.Cell(column, row) != LeftWall)
            continue;
        for (size_t i = 0; i < LineRow.size(); ++i)
            trackMap_.SetCell(column + static_cast<int32_t>(i), row, LineRow[i]);
        return;
    }
}

// The last left wall piece of a row sets its centre line; a row without one keeps the value it
// had, from an earlier track.
void TTrackGenerator::FindCentreLines() {
    for (int32_t row = 1; row <= TTrackMap::Rows; ++row) {
        for (int32_t column = 1; column < TTrackMap::Columns; ++column) {
            const int16_t offset = CentreOffsetByCode[trackMap_.Cell(column, row)];
            if (offset != NotLeftWall)
                trackMap_.SetCentreLineX(row, TTrackMap::CellSize * (column + 3) + offset);
        }
    }
}
