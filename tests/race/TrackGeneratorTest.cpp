// The track generator: what level 1 builds, how bends are made and left, the straight rows'
// width, the centre line, and the map's borders.

#include "race/TrackGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int32_t Level1Length = 300;
constexpr int32_t LongestLength = 1300;

// The non-empty cells of a row, left to right, and the column of the first.
struct TRowCells {
    int32_t First = 0;
    std::vector<int> Codes;
};

TRowCells CellsOf(const TTrackMap& map, int32_t row) {
    TRowCells cells;
    for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
        const uint8_t code = map.Cell(column, row);
        if (code == TTrackMap::EmptyCell)
            continue;
        if (cells.Codes.empty())
            cells.First = column;
        cells.Codes.push_back(code);
    }
    return cells;
}

const std::vector<int> Straight = {2, 1, 1, 1, 1, 3};
const std::vector<int> Line = {18, 19, 20, 19, 21, 22};
const std::vector<int> BendLeftA = {4, 5, 1, 1, 1, 7, 8};
const std::vector<int> BendLeftB = {6, 1, 1, 1, 1, 9, 10};
const std::vector<int> BendRightA = {11, 12, 1, 1, 1, 15, 16};
const std::vector<int> BendRightB = {13, 14, 1, 1, 1, 1, 17};

class GeneratedTracks : public ::testing::Test {
protected:
    // Generates the track of one seed.
    void Generate(uint32_t seed, int32_t trackLength) {
        TRandom random(seed);
        TTrackGenerator(map, random).Generate(trackLength);
    }

    TTrackMap map;
};

}  // namespace

TEST_F(GeneratedTracks, Level1BuildsRows1200To1479WithTheFinishOnAStraight) {
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generate(seed, Level1Length);
        for (int32_t row = 1200; row <= 1479; ++row) {
            ASSERT_GE(map.RowKind(row), 1);
            ASSERT_LE(map.RowKind(row), 5);
            ASSERT_FALSE(CellsOf(map, row).Codes.empty()) << "row " << row;
        }
        EXPECT_TRUE(CellsOf(map, 1199).Codes.empty());
        EXPECT_TRUE(CellsOf(map, 1500).Codes.empty());
        EXPECT_EQ(CellsOf(map, 1481).Codes, Line);
        EXPECT_EQ(CellsOf(map, 1481).First, 320);
        for (int32_t row : {1480, 1490, 1499})
            EXPECT_EQ(CellsOf(map, row).Codes, Straight);
        // The last 99 rows leave every bend, so the finish lies on a straight.
        const TRowCells finish = CellsOf(map, 1250);
        EXPECT_EQ(finish.Codes, Line);
        EXPECT_EQ(map.RowKind(1250), 1);
        EXPECT_EQ(CellsOf(map, 1251).Codes, Straight);
        EXPECT_EQ(CellsOf(map, 1251).First, finish.First);
        // A bend begun in row 1299, the last random choice, runs on 5 rows at most.
        for (int32_t row = 1200; row <= 1293; ++row) {
            EXPECT_NE(map.RowKind(row), 3) << "row " << row;
            EXPECT_NE(map.RowKind(row), 4) << "row " << row;
        }
    }
}

TEST_F(GeneratedTracks, BendLeftFromTheStartStraight) {
    // The first bend can begin 18 rows up, after a segment of kind 1 and one of kind 2.
    uint32_t seed = 1;
    for (; seed <= 500; ++seed) {
        Generate(seed, Level1Length);
        if (map.RowKind(1461) == 3)
            break;
    }
    ASSERT_EQ(map.RowKind(1461), 3) << "no seed up to 500 bends left there";
    EXPECT_EQ(CellsOf(map, 1462).Codes, Straight);
    EXPECT_EQ(CellsOf(map, 1462).First, 320);
    // 4 at 319, 5 at 320, floor 321..323, 7 at 324, 8 at 325; a row later 6 at 319, floor at 320.
    EXPECT_EQ(CellsOf(map, 1461).Codes, BendLeftA);
    EXPECT_EQ(CellsOf(map, 1461).First, 319);
    EXPECT_EQ(CellsOf(map, 1460).Codes, BendLeftB);
    EXPECT_EQ(CellsOf(map, 1460).First, 319);
    EXPECT_EQ(CellsOf(map, 1459).First, 318);
}

TEST_F(GeneratedTracks, EveryRowHasOneWholeRoadAndEveryBendEndsOnACompleteStep) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generate(seed, LongestLength);
        const int32_t finishRow = FinishLineRowOf(LongestLength);
        int32_t bendRows = 0;
        for (int32_t row = 1479; row >= 200; --row) {
            const TRowCells cells = CellsOf(map, row);
            const uint8_t kind = map.RowKind(row);
            const bool bendRow = kind == 3 || kind == 4;
            if (bendRow) {
                // Rows alternate A, B: the first above the straight is A.
                const bool rowA = bendRows % 2 == 0;
                const std::vector<int>& expected =
                    kind == 3 ? (rowA ? BendLeftA : BendLeftB) : (rowA ? BendRightA : BendRightB);
                EXPECT_EQ(cells.Codes, expected) << "row " << row;
                ++bendRows;
                continue;
            }
            if (bendRows > 0) {
                EXPECT_EQ(bendRows % 2, 0) << "bend ending below row " << row;
                EXPECT_EQ(kind, 5) << "a bend is left only by straightening, row " << row;
            }
            bendRows = 0;
            // Straight rows: the walls 4 floor cells apart.
            if (row != finishRow) {
                EXPECT_EQ(cells.Codes, Straight) << "row " << row;
            }
        }
        for (int32_t row = 1; row < 200; ++row)
            EXPECT_TRUE(CellsOf(map, row).Codes.empty());
    }
}

TEST_F(GeneratedTracks, CentreLineFollowsTheLeftWallPiece) {
    Generate(7, LongestLength);
    for (int32_t row = 200; row <= 1499; ++row) {
        const TRowCells cells = CellsOf(map, row);
        int32_t expected = 72 * (cells.First + 3);
        if (cells.Codes.front() == 4)
            expected += 45;
        if (cells.Codes.front() == 6)
            expected += 16;
        if (cells.Codes.front() == 11)
            expected += 30;
        if (cells.Codes.front() == 13)
            expected += 60;
        ASSERT_EQ(map.CentreLineX(row), expected) << "row " << row;
    }
    // A row with no road keeps what it had; a fresh map had 0.
    EXPECT_EQ(map.CentreLineX(199), 0);
    const int32_t longTrackValue = map.CentreLineX(1000);
    Generate(7, Level1Length);
    EXPECT_EQ(map.CentreLineX(1000), longTrackValue);
}

TEST(TrackMapBorders, ReadsOutsideAreEmptyAndWritesOutsideAreSkipped) {
    TTrackMap map;
    map.SetCell(0, 11, 7);
    map.SetCell(651, 10, 7);
    map.SetCell(5, 0, 7);
    map.SetCell(5, 1501, 7);
    EXPECT_EQ(map.Cell(650, 10), TTrackMap::EmptyCell);  // where column 0 of row 11 would land
    EXPECT_EQ(map.Cell(1, 11), TTrackMap::EmptyCell);    // where column 651 of row 10 would land
    map.SetCell(650, 10, 2);
    map.SetCell(1, 11, 3);
    EXPECT_EQ(map.Cell(0, 11), TTrackMap::EmptyCell);
    EXPECT_EQ(map.Cell(651, 10), TTrackMap::EmptyCell);
    EXPECT_EQ(map.Cell(-1, -1), TTrackMap::EmptyCell);
    EXPECT_EQ(map.Cell(1, 1501), TTrackMap::EmptyCell);
    map.SetRowKind(0, 3);
    map.SetCentreLineX(1501, 99);
    EXPECT_EQ(map.RowKind(0), 0);
    EXPECT_EQ(map.RowKind(1501), 0);
    EXPECT_EQ(map.CentreLineX(1501), 0);
    EXPECT_EQ(map.CentreLineX(-20), 0);
}

TEST(TrackMapBorders, BendsAtTheBorderColumnsStayInTheirRow) {
    TTrackMap map;
    TRandom random(1);
    TTrackGenerator generator(map, random);
    // A straight touching the left border bends left: its 4 would go to column 0.
    for (size_t i = 0; i < Straight.size(); ++i)
        map.SetCell(1 + static_cast<int32_t>(i), 100, Straight[i]);
    generator.SegKind = 3;
    generator.BuildRow(99);
    EXPECT_EQ(map.Cell(1, 99), 5);
    EXPECT_EQ(map.Cell(650, 98), TTrackMap::EmptyCell);
    // One touching the right border bends right: its 16 would go to column 651.
    for (size_t i = 0; i < Straight.size(); ++i)
        map.SetCell(645 + static_cast<int32_t>(i), 50, Straight[i]);
    generator.SegKind = 4;
    generator.BuildRow(49);
    EXPECT_EQ(map.Cell(650, 49), 15);
    EXPECT_EQ(map.Cell(1, 50), TTrackMap::EmptyCell);
}

TEST(TrackMapBorders, FinishLineAtTheRightBorderIsCutOff) {
    TTrackMap map;
    TRandom random(1);
    map.SetCell(648, 10, 2);
    TTrackGenerator(map, random).DrawFinishLine(10);
    EXPECT_EQ(map.Cell(648, 10), 18);
    EXPECT_EQ(map.Cell(650, 10), 20);
    for (int32_t column = 1; column <= 3; ++column)
        EXPECT_EQ(map.Cell(column, 11), TTrackMap::EmptyCell);
}
