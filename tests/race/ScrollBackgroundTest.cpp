// The scrolling track: movement by the scroll velocity, the window's shifts and its refusal at
// the map's edges, the star field's wrap, the window copy, and the wall tests.

#include "race/ScrollBackground.h"

#include <gtest/gtest.h>

#include "DrivingRig.h"
#include "FakeOpponents.h"
#include "platform/headless/HeadlessAudioLog.h"

namespace {

class ScrollingTrack : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartTrack();
        race().CollisionFrame = false;
    }
    TRaceState& race() { return rig.Race(); }
    TScrollBackground& track() { return rig.Track(); }
    // One move of the track alone at the given velocity.
    void Move(double vx, double vy) {
        race().ScrollVelocity = {vx, vy};
        track().Advance(12);
    }

    TDrivingRig rig;
};

}  // namespace

TEST_F(ScrollingTrack, DownwardVelocityShiftsTheWindowUpTheTrackEverySecondFrame) {
    ASSERT_EQ(track().ViewRow, 1478);
    Move(0, 72);
    EXPECT_DOUBLE_EQ(track().Y, -36);
    EXPECT_EQ(track().ViewRow, 1477);
    Move(0, 72);
    EXPECT_DOUBLE_EQ(track().Y, 0);
    EXPECT_EQ(track().ViewRow, 1477);
    for (int i = 0; i < 8; ++i)
        Move(0, 72);
    EXPECT_EQ(track().ViewRow, 1473);
    EXPECT_EQ(track().ViewCol, 318);
    EXPECT_DOUBLE_EQ(track().X, 0);
}

TEST_F(ScrollingTrack, MovementScalesWithFrameFactor) {
    rig.SetFrameTiming(23, 2.0);
    Move(0, -36);
    EXPECT_DOUBLE_EQ(track().Y, -36);
    Move(0, -36);
    EXPECT_DOUBLE_EQ(track().Y, -72);  // -72 itself is inside the window's range
    EXPECT_EQ(track().ViewRow, 1478);
    Move(0, -36);
    EXPECT_DOUBLE_EQ(track().Y, -36);
    EXPECT_EQ(track().ViewRow, 1479);
}

TEST_F(ScrollingTrack, SidewaysVelocityShiftsTheColumnTheWayTheTrackMoves) {
    Move(72, 0);
    EXPECT_DOUBLE_EQ(track().X, -36);
    EXPECT_EQ(track().ViewCol, 317);
    Move(-72, 0);
    Move(-72, 0);
    EXPECT_DOUBLE_EQ(track().X, -36);
    EXPECT_EQ(track().ViewCol, 318);
}

TEST_F(ScrollingTrack, WindowRefusesToLeaveTheMapButThePictureStillJumps) {
    track().ViewCol = 0;
    track().ViewRow = 0;
    Move(72, 72);
    EXPECT_EQ(track().ViewCol, 0);
    EXPECT_EQ(track().ViewRow, 0);
    EXPECT_DOUBLE_EQ(track().X, -36);
    EXPECT_DOUBLE_EQ(track().Y, -36);

    track().ViewCol = 637;
    track().ViewRow = 1490;
    track().X = track().Y = -60;
    Move(-72, -72);
    EXPECT_EQ(track().ViewCol, 637);
    EXPECT_EQ(track().ViewRow, 1490);
    EXPECT_DOUBLE_EQ(track().X, -24);
    EXPECT_DOUBLE_EQ(track().Y, -24);
}

TEST_F(ScrollingTrack, StarFieldMovesAtAQuarterAndWraps) {
    TBackgroundSprite& stars = rig.StarField();
    Move(0, 100);
    EXPECT_DOUBLE_EQ(stars.Y, 12.5);
    for (int i = 1; i < 48; ++i)
        Move(0, 100);
    EXPECT_DOUBLE_EQ(stars.Y, 600);  // not above 600 yet
    Move(0, 100);
    EXPECT_DOUBLE_EQ(stars.Y, 12.5);
    for (int i = 0; i < 65; ++i)
        Move(-100, 0);
    EXPECT_DOUBLE_EQ(stars.X, -12.5);  // -812.5 wrapped by 800
}

TEST_F(ScrollingTrack, BackgroundWithoutARaceStandsStill) {
    auto* still = NewSprite<TScrollBackground>(rig.Harness().Form().Services, 2, 58, 1, 1);
    race().ScrollVelocity = {72, 72};
    still->Advance(12);
    EXPECT_EQ(still->X, 0);
    EXPECT_EQ(still->Y, 0);
    EXPECT_EQ(still->ChipAt(0, 0), 0);
    EXPECT_EQ(still->Width, 200);  // one cell
}

TEST_F(ScrollingTrack, WindowCopyShowsTheMapAndEmptySpaceOutsideIt) {
    // The start line, row 1481, columns 320..325, lies in window row 3 from column 2.
    EXPECT_EQ(track().ChipAt(2, 3), 18);
    EXPECT_EQ(track().ChipAt(7, 3), 22);
    EXPECT_EQ(track().ChipAt(0, 0), -1);
    track().ViewCol = 0;
    track().ViewRow = 1490;
    race().TrackMap.SetCell(1, 1499, 1);
    track().CopyViewToChips();
    for (int32_t row = 0; row < TScrollBackground::ViewRows; ++row)
        EXPECT_EQ(track().ChipAt(0, row), -1) << "column 0 lies outside the map";
    EXPECT_EQ(track().ChipAt(1, 9), 1);
}

TEST_F(ScrollingTrack, WallTouchTakesAllEnergyOnceAcrossTwoWallCells) {
    TPlayer& player = rig.Player();
    rig.Frame();  // the ship's outline
    // The start straight's left wall (column 320) under the ship's centre, x 360: its band,
    // x 19..30 of the cell, spans the ship's two middle rows of cells.
    track().ViewCol = 315;
    track().X = -24;
    track().Advance(12);
    EXPECT_EQ(player.Energy, 4) << "walls are tested on collision frames only";
    race().CollisionFrame = true;
    track().Advance(12);
    EXPECT_EQ(player.Energy, 0);
    EXPECT_TRUE(player.Destroyed);
    EXPECT_FALSE(player.WreckTurned);
    EXPECT_EQ(race().Lives, 2);
    EXPECT_EQ(rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, 20), 1);
    // An exploding ship is not hit again.
    track().Advance(12);
    EXPECT_EQ(race().Lives, 2);
}

TEST_F(ScrollingTrack, WallUnderTheShipsRearRowOfCellsIsFelt) {
    rig.Frame();  // the ship's outline, its tail at y 466
    race().TrackMap.Fill(TTrackMap::EmptyCell);
    // A straight's left wall in the window's row 7 only, moved up to y 454..525 under the tail.
    race().TrackMap.SetCell(track().ViewCol + 5, track().ViewRow + 7, 2);
    track().X = -24;
    track().Y = -50;
    race().CollisionFrame = true;
    track().Advance(12);
    EXPECT_EQ(rig.Player().Energy, 0);
}

TEST_F(ScrollingTrack, OpponentTouchingAWallIsDestroyedAndTheMapEdgeIsEmpty) {
    TFakeOpponents opponents;
    race().Opponents = &opponents;
    race().CollisionFrame = true;
    // Over the top of the left wall in row 1490 (column 320, band x 19..30 of the cell).
    opponents.Place(1, 72 * 320 + 24, 72 * 1490, 10);
    // In the map's top-left corner and beyond its bottom: the cells around read as empty space.
    opponents.Place(2, 10, 10, 10);
    opponents.Place(3, 72 * 651, 72 * 1501, 10);
    track().Advance(12);
    EXPECT_EQ(opponents.Destroyed, std::vector<int32_t>{1});
    EXPECT_EQ(opponents.Slot(1).Hits, 4);
    // Exploding ships are not destroyed again.
    track().Advance(12);
    EXPECT_EQ(opponents.Destroyed.size(), 1u);
    race().Opponents = nullptr;
}
