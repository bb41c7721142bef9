// The player's ship against the opponents and after a crash: bumps that count once per contact,
// the push from behind, speed changes at a standstill, the explosion and the return to the track.

#include <gtest/gtest.h>

#include <cmath>

#include "DrivingRig.h"
#include "FakeOpponents.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/ShipPhysics.h"

namespace vk = platform::vk;

namespace {

class ShipContacts : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartTrack(2, 1300, TDrivingRig::TRoad::Straight);
        rig.Race().Opponents = &opponents;
        rig.Frame();
    }
    TPlayer& ship() { return rig.Player(); }
    // World coordinates of a screen point on the current window.
    TPointD World(double screenX, double screenY) {
        const TScrollBackground& track = rig.Track();
        return {track.ViewCol * 72 - track.X + screenX, track.ViewRow * 72 - track.Y + screenY};
    }
    // Puts opponent 1 with its centre dy pixels below the ship's centre, its hull overlapping.
    void TouchShip(double dy) {
        const TPointD centre = World(ship().ShipCentreX, ship().ShipCentreY + dy);
        opponents.Place(1, centre.X, centre.Y, 20);
    }
    void MoveAway() { opponents.Place(1, 0, 0, 20); }
    // Runs frames until the next one tests collisions.
    void UntilCollisionFrameIsNext() {
        while (!rig.Race().CollisionFrame)
            rig.Frame();
    }
    // Runs frames up to and including the next one that tests collisions.
    void CollisionFrame() {
        UntilCollisionFrameIsNext();
        rig.Frame();
    }
    int Played(int sound) {
        return rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }

    TDrivingRig rig;
    TFakeOpponents opponents;
};

}  // namespace

TEST_F(ShipContacts, LastingContactCostsOneCellAndAnotherAfterSeparating) {
    TouchShip(-30);
    for (int i = 0; i < 4; ++i)
        CollisionFrame();
    EXPECT_EQ(ship().Energy, 3);
    EXPECT_EQ(opponents.Hit, std::vector<int32_t>{1});
    EXPECT_TRUE(opponents.Slot(1).Contact);
    EXPECT_EQ(Played(17), 1);
    MoveAway();
    CollisionFrame();
    EXPECT_FALSE(opponents.Slot(1).Contact);
    TouchShip(-30);
    CollisionFrame();
    EXPECT_EQ(ship().Energy, 2);
    EXPECT_EQ(opponents.Hit.size(), 2u);
}

TEST_F(ShipContacts, BumpsOnlyOnCollisionFramesAndNotWithWreckedOrHiddenShips) {
    CollisionFrame();
    TouchShip(-30);
    rig.Frame();
    rig.Frame();
    EXPECT_EQ(ship().Energy, 4);
    opponents.Slot(1).OnScreen = false;
    CollisionFrame();
    opponents.Slot(1).OnScreen = true;
    opponents.Slot(1).Exploding = true;
    CollisionFrame();
    EXPECT_EQ(ship().Energy, 4);
    EXPECT_TRUE(opponents.Hit.empty());
}

TEST_F(ShipContacts, RunningIntoAShipAheadSlowsDownAndSpeedsItUp) {
    UntilCollisionFrameIsNext();
    ship().EngineSpeed = 100;
    opponents.Slot(1).Speed = 40;
    opponents.Slot(1).EngineSpeed = 320;
    opponents.Slot(1).Heading = 10;
    TouchShip(-30);
    rig.Frame();
    // 0.95 of the speed, then this frame's coasting.
    EXPECT_NEAR(ship().EngineSpeed, 95 - CoastDrag(2, 95, false), 1e-9);
    EXPECT_DOUBLE_EQ(opponents.Slot(1).Speed, 42);
    EXPECT_DOUBLE_EQ(opponents.Slot(1).EngineSpeed, 336);
    // Headings mix: the opponent's 10 (1/256 turn) is 20 in 1/512; the difference of 20 is
    // split: the ship goes half beyond, the opponent comes half back.
    EXPECT_DOUBLE_EQ(ship().FineHeading, 30);
    EXPECT_DOUBLE_EQ(opponents.Slot(1).Heading, 0);
    EXPECT_FALSE(ship().BumpBoost);
}

TEST_F(ShipContacts, PushFromBehindAdds10UnitsFor100Ms) {
    UntilCollisionFrameIsNext();
    ship().EngineSpeed = 50;
    opponents.Slot(1).Speed = 40;
    opponents.Slot(1).EngineSpeed = 320;
    TouchShip(+30);
    rig.Frame();
    EXPECT_TRUE(ship().BumpBoost);
    EXPECT_NEAR(ship().EngineSpeed, 60 - CoastDrag(2, 60, false), 1e-9);
    EXPECT_DOUBLE_EQ(opponents.Slot(1).Speed, 38);
    EXPECT_DOUBLE_EQ(opponents.Slot(1).EngineSpeed, 304);
    MoveAway();
    // 100 ms at 11 ms a frame: the 10 units are taken back in the tenth frame.
    for (int i = 0; i < 9; ++i)
        rig.Frame();
    EXPECT_TRUE(ship().BumpBoost);
    const double before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_FALSE(ship().BumpBoost);
    EXPECT_LT(ship().EngineSpeed, before - 9);
}

TEST_F(ShipContacts, SpeedChangesAtAStandstillAddTheUnitsDirectly) {
    ASSERT_EQ(ship().EngineSpeed, 0);
    ship().ChangeSpeedBy(true, 10);
    EXPECT_EQ(ship().EngineSpeed, 10);
    EXPECT_EQ(ship().Speed, 10 / 8.0);
    EXPECT_EQ(Played(17), 1);
    ship().EngineSpeed = ship().Speed = 0;
    ship().ChangeSpeedBy(false, -10);
    EXPECT_EQ(ship().EngineSpeed, -10);
    EXPECT_EQ(Played(17), 1);
    ship().EngineSpeed = 40;
    ship().Speed = 5;
    ship().ChangeSpeedBy(false, 10);
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, 50);
    EXPECT_DOUBLE_EQ(ship().Speed, 6.25);
}

// Two ships touch the last cell's ship anew in the same frame: the first takes the cell, and the
// wreck has none left for the second.
TEST_F(ShipContacts, LastCellLostByABumpExplodesAndTheShipComesBack) {
    ship().Energy = 1;
    TouchShip(-30);
    const TPointD behind = World(ship().ShipCentreX, ship().ShipCentreY + 30);
    opponents.Place(2, behind.X, behind.Y, 20);
    CollisionFrame();
    EXPECT_TRUE(ship().Destroyed);
    EXPECT_EQ(ship().Energy, 0);
    EXPECT_EQ(rig.Race().Lives, 2);
    EXPECT_EQ(Played(20), 1);
    // No more bumps while exploding.
    CollisionFrame();
    EXPECT_EQ(opponents.Hit.size(), 2u);
    MoveAway();
    opponents.Slot(2).Active = false;
    // 3000 ms of explosion at 11 ms a frame, then back on the road, standing, full energy.
    ASSERT_TRUE(rig.FramesUntil([&] { return !ship().Destroyed; }, 300));
    EXPECT_EQ(ship().Energy, 4);
    EXPECT_EQ(ship().EngineSpeed, 0);
    EXPECT_EQ(ship().TiltState, 0);
    rig.Frame();
    EXPECT_TRUE(ship().OnTrack);
}

// On its first explosion the wreck's heading is mirrored about the road's slant five rows below
// the window's top, which the row's last wall piece gives: 11 bends right (+1), 6 left (-1).
TEST_F(ShipContacts, TheWreckSlidesMirroredAboutTheRoadsSlantFiveRowsBelow) {
    TTrackMap& map = rig.Race().TrackMap;
    const int32_t row = rig.Track().ViewRow + 5;
    map.SetCell(640, row, 11);
    ship().FineHeading = 20;
    ship().Heading = 10;
    ship().LoseEnergy(4);
    rig.Frame();
    EXPECT_EQ(ship().Heading, 38 - 10);
    map.SetCell(641, row, 6);
    ship().WreckTurned = false;
    rig.Frame();
    EXPECT_EQ(ship().Heading, -38 - 28);
}

TEST_F(ShipContacts, LastLifeAsksForGameOverAfterTheExplosion) {
    rig.Race().Lives = 1;
    ship().Energy = 1;
    TouchShip(-30);
    CollisionFrame();
    MoveAway();
    EXPECT_EQ(rig.Race().Lives, 0);
    // 3000 ms of explosion, 11 ms a frame.
    rig.Frames(270);
    EXPECT_EQ(rig.Race().RequestedDialog, dkNone);
    rig.Frames(5);
    EXPECT_TRUE(ship().Destroyed);
    EXPECT_EQ(rig.Race().RequestedDialog, dkGameOver);
}

TEST_F(ShipContacts, PlaceOnTrackFindsTheRoadBelowTheWindow) {
    TScrollBackground& track = rig.Track();
    track.ViewCol = 100;
    track.ViewRow = 1000;
    track.X = -30;
    ship().FineHeading = 50;
    ship().PlaceOnTrack();
    // The straight's right wall, code 3 in column 325 of row 1005: the window's column 318,
    // row 1001, the ship pointing up the road.
    EXPECT_EQ(track.ViewCol, 318);
    EXPECT_EQ(track.ViewRow, 1001);
    EXPECT_EQ(track.X, 0);
    EXPECT_EQ(ship().FineHeading, 0);
}

TEST_F(ShipContacts, PlaceOnTrackTurnsAlongABend) {
    TTrackMap& map = rig.Race().TrackMap;
    map.Fill(TTrackMap::EmptyCell);
    map.SetCell(200, 700, 15);  // a right bend's right wall
    rig.Track().ViewRow = 690;
    ship().PlaceOnTrack();
    EXPECT_EQ(rig.Track().ViewCol, 192);
    EXPECT_EQ(rig.Track().ViewRow, 696);
    EXPECT_EQ(ship().FineHeading, 38);
    EXPECT_EQ(ship().Heading, 19);
}

TEST_F(ShipContacts, PlaceOnTrackWithoutAMarkerLeavesTheShipPointingUp) {
    TScrollBackground& track = rig.Track();
    rig.Race().TrackMap.Fill(TTrackMap::EmptyCell);
    track.ViewCol = 318;
    track.ViewRow = 1200;
    ship().FineHeading = -70;
    ship().PlaceOnTrack();
    EXPECT_EQ(track.ViewCol, 318);
    EXPECT_EQ(track.ViewRow, 1200);
    EXPECT_EQ(ship().FineHeading, 0);
    EXPECT_EQ(ship().Heading, 0);
    track.ViewRow = 1490;  // the search ends at the map's last row
    ship().PlaceOnTrack();
    EXPECT_EQ(track.ViewRow, 1490);
}

TEST_F(ShipContacts, PlaceOnTrackKeepsTheWindowInsideTheMap) {
    TTrackMap& map = rig.Race().TrackMap;
    map.Fill(TTrackMap::EmptyCell);
    map.SetCell(3, 1500, 3);
    rig.Track().ViewRow = 1490;
    ship().PlaceOnTrack();
    EXPECT_EQ(rig.Track().ViewCol, 0);
    EXPECT_EQ(rig.Track().ViewRow, 1490);
}
