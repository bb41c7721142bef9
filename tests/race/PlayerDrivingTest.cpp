// Driving the player's ship with the keys on a straight road: top speed, steering, reversing,
// the handbrake, the off-track penalty, banking, the outline and the finish line.

#include "race/Player.h"

#include <gtest/gtest.h>

#include <cmath>

#include "DrivingRig.h"
#include "platform/Keys.h"
#include "race/ShipPhysics.h"

namespace vk = platform::vk;

namespace {

class DrivingShip : public ::testing::Test {
protected:
    // A straight road with the finish line in row 1550 - trackLength.
    void Start(int32_t shipType = 2, int32_t trackLength = 1300) {
        rig.StartTrack(shipType, trackLength, TDrivingRig::TRoad::Straight);
        rig.Frame();
    }
    TPlayer& ship() { return rig.Player(); }
    // Sets the engine speed as the controls would have left it.
    void Drive(double engineSpeed) {
        ship().EngineSpeed = engineSpeed;
        ship().Speed = TopSpeedFactor(rig.Race().ShipType) * engineSpeed / 8;
    }

    TDrivingRig rig;
};

}  // namespace

TEST(ShipPhysics, DerivedValuesAndTheirLimits) {
    EXPECT_DOUBLE_EQ(TopSpeedFactor(2), 1.0);
    EXPECT_NEAR(TopSpeedFactor(1), 0.9545, 1e-4);
    EXPECT_NEAR(TopSpeedFactor(3), 0.9545, 1e-4);
    EXPECT_DOUBLE_EQ(Acceleration(2, 0, false), 0.3);
    EXPECT_DOUBLE_EQ(Acceleration(2, 10, false), 0.3);  // capped
    EXPECT_LT(Acceleration(2, 160, false), 0.05);
    EXPECT_DOUBLE_EQ(Acceleration(2, 160, true), 0.3);  // nitro
    EXPECT_DOUBLE_EQ(BrakeDeceleration(2), 0.325);
    EXPECT_DOUBLE_EQ(CoastDrag(2, -5, false), 0);     // reversing keeps its speed
    EXPECT_DOUBLE_EQ(CoastDrag(2, 10, false), 0.05);  // at least 0.05
    EXPECT_DOUBLE_EQ(TurnRate(2, -8), 0.8);           // -v/5, capped
    EXPECT_DOUBLE_EQ(TurnRate(2, -2), 0.4);
    EXPECT_DOUBLE_EQ(TurnRate(2, 0), 0);
    EXPECT_DOUBLE_EQ(TurnRate(5, 20), 0.8);
    EXPECT_NEAR(TurnRate(2, 160), 0.264, 1e-3);
    EXPECT_THROW(TopSpeedFactor(6), std::out_of_range);
}

TEST_F(DrivingShip, Ship2ReachesTopSpeedAndHoldsIt) {
    Start(2);
    rig.Hold(vk::Up);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed > 160; }, 4000));
    double lowest = 1000;
    double highest = 0;
    for (int i = 0; i < 300; ++i) {
        rig.Frame();
        lowest = std::min(lowest, ship().EngineSpeed);
        highest = std::max(highest, ship().EngineSpeed);
    }
    // Above the top it coasts, below it pulls again.
    EXPECT_GT(lowest, 159.7);
    EXPECT_LT(highest, 160.1);
    EXPECT_DOUBLE_EQ(ship().Speed, ship().EngineSpeed / 8);
    EXPECT_FALSE(ship().Destroyed);
}

TEST_F(DrivingShip, AccelerationScalesWithFrameFactor) {
    Start();
    rig.SetFrameTiming(23, 2.0);
    rig.Hold(vk::Up);
    rig.Frame();  // the key reaches the control flags after this frame's move
    const double speed = ship().EngineSpeed;
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, speed + 2 * Acceleration(2, speed, false));
}

TEST_F(DrivingShip, NoTurningAtAStandstillAndReversedTurningWhenReversing) {
    Start();
    rig.Hold(vk::Left);
    rig.Frames(30);
    EXPECT_EQ(ship().FineHeading, 0);
    rig.Release(vk::Left);
    rig.Hold(vk::Down);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed <= -8; }, 100));
    rig.Hold(vk::Left);
    rig.Frames(10);
    EXPECT_GT(ship().FineHeading, 0) << "left turns a reversing ship to the right";
    rig.Release(vk::Left);
    rig.Release(vk::Down);
    rig.Hold(vk::Up);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().Speed > 0; }, 100));
    const double heading = ship().FineHeading;
    rig.Hold(vk::Left);
    rig.Frames(5);
    EXPECT_LT(ship().FineHeading, heading);
}

TEST_F(DrivingShip, SteeringStopsAtAQuarterTurn) {
    Start();
    // Reversing slowly, so that the turn stays on the road.
    rig.Hold(vk::Down);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed == -8; }, 100));
    rig.Hold(vk::Left);
    rig.Frames(200);
    EXPECT_EQ(ship().FineHeading, 128);
    EXPECT_EQ(ship().Heading, 64);
    EXPECT_FALSE(ship().Destroyed);
}

TEST_F(DrivingShip, ReversingStopsAtMinus8AndAtTheStartRow) {
    Start();
    rig.Hold(vk::Down);
    rig.Frames(40);
    EXPECT_EQ(ship().EngineSpeed, -8);
    EXPECT_EQ(ship().Speed, -1);
    // Half a pixel a frame back down the track until the window reaches the start.
    ASSERT_TRUE(rig.FramesUntil([&] { return rig.Track().ViewRow == 1490; }, 2500));
    rig.Frame();
    EXPECT_EQ(ship().EngineSpeed, 0);
    EXPECT_EQ(ship().Speed, 0);
    rig.Frames(50);
    EXPECT_EQ(rig.Track().ViewRow, 1490);
}

TEST_F(DrivingShip, OffTheTrackAbove80CostsHalfAUnitAFrame) {
    Start();
    // The ship's left corners over the straight's right wall, its right ones over empty space.
    rig.Track().ViewCol = 321;
    Drive(100);
    rig.Frame();
    ASSERT_FALSE(ship().OnTrack);
    double before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, before - 0.5);
    Drive(80);
    before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, before - CoastDrag(2, 80, false));
    // Back on the road the penalty ends.
    rig.Track().ViewCol = 318;
    Drive(100);
    rig.Frames(2);
    ASSERT_TRUE(ship().OnTrack);
    before = ship().EngineSpeed;
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, before - CoastDrag(2, before, false));
}

TEST_F(DrivingShip, HandbrakeBlocksSteeringAndStopsEitherWay) {
    Start();
    Drive(100);
    rig.Hold(vk::Space);
    rig.Hold(vk::Left);
    rig.Frame();  // the keys reach the control flags after this frame's move
    const double speed = ship().EngineSpeed;
    rig.Frame();
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, speed - 0.6 - 0.6);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed == 0; }, 200));
    EXPECT_EQ(ship().FineHeading, 0);
    rig.Frames(5);
    EXPECT_EQ(ship().EngineSpeed, 0);

    rig.ReleaseAll();
    rig.Hold(vk::Down);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed == -8; }, 100));
    rig.Release(vk::Down);
    rig.Hold(vk::Space);
    rig.Frame();
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, -8 + 0.6) << "the handbrake slows a reversing ship too";
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed == 0; }, 30));
    EXPECT_EQ(ship().Speed, 0);
}

TEST_F(DrivingShip, BankingPicksTheTiltImageAndDeepensWithTheTurn) {
    Start(2);
    const TImageList& images = rig.Harness().Form().MDXImageLists[1];
    Drive(100);
    rig.Hold(vk::Up);
    rig.Hold(vk::Right);
    rig.Frame();
    EXPECT_EQ(ship().TiltState, +1);
    EXPECT_EQ(ship().ImageItem, &images.Items(28));
    EXPECT_DOUBLE_EQ(ship().FramePos, 5.5);
    rig.Frames(60);
    // At about 100 engine units the bank stops at 5.5 - 100 / 25.
    EXPECT_NEAR(ship().FramePos, 5.5 - ship().EngineSpeed / 25, 0.2);
    rig.Release(vk::Right);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().TiltState == 0; }, 100));
    EXPECT_EQ(ship().ImageItem, &images.Items(6));
    EXPECT_EQ(ship().FramePos, 0);
    // Below 5 engine units the ship sits level whatever is held.
    Drive(4);
    rig.Hold(vk::Left);
    rig.Release(vk::Up);
    rig.Frames(3);
    EXPECT_EQ(ship().TiltState, 0);
}

TEST_F(DrivingShip, OutlineTurnsClockwiseWithTheHeading) {
    Start(2);
    // Ship 2: 64 x 73 picture, hull 40 wide, both corner factors 0.82, centre (360, 436.5);
    // to a small fraction of a pixel.
    const TQuad& corners = ship().Corners;
    EXPECT_NEAR(corners[1].X - corners[0].X, 0.82 * 40, 1e-4);
    EXPECT_NEAR(corners[3].Y - corners[0].Y, 0.82 * 73, 1e-4);
    EXPECT_NEAR(corners[0].Y, 436.5 - 0.82 * 36.5, 1e-4);
    EXPECT_NEAR((corners[0].X + corners[2].X) / 2, 360, 1e-4);
    // A quarter turn right puts the nose on the right: corners 1 and 2 to the right, 1 above.
    ship().FineHeading = 128;
    rig.Frames(2);  // the outline follows the heading of the frame before
    EXPECT_NEAR(corners[0].X, 360 + 0.82 * 36.5, 1e-4);
    EXPECT_NEAR(corners[0].Y, 436.5 - 0.82 * 20, 1e-4);
    EXPECT_NEAR(corners[1].Y, 436.5 + 0.82 * 20, 1e-4);
}

TEST_F(DrivingShip, TrackMovesAgainstTheHeading) {
    Start();
    Drive(80);
    ship().FineHeading = 128;  // a quarter turn right
    rig.Frames(2);
    const double speed = ship().Speed;
    ASSERT_GT(speed, 0);
    EXPECT_NEAR(rig.Race().ScrollVelocity.X, -speed, 1e-9);
    EXPECT_NEAR(rig.Race().ScrollVelocity.Y, 0, 1e-9);
    ship().FineHeading = 0;
    rig.Frames(2);
    EXPECT_NEAR(rig.Race().ScrollVelocity.Y, ship().Speed, 1e-9);
}

TEST_F(DrivingShip, FinishLineIsCrossedWhenItPassesTheShipsTopEdge) {
    Start(2, 300);
    rig.Hold(vk::Up);
    const auto lineBelowTop = [&] {
        return (rig.Race().FinishLineRow() - rig.Track().ViewRow) * 72 + rig.Track().Y > 400;
    };
    for (int frame = 0; frame < 6000 && !ship().Finished; ++frame) {
        rig.Frame();
        ASSERT_EQ(ship().Finished, lineBelowTop()) << "frame " << frame;
    }
    ASSERT_TRUE(ship().Finished);
    EXPECT_EQ(rig.Race().FinishLineRow(), 1250);
    // It coasts to a stop with 0.8 units a frame, pointing along the straight.
    const double speed = ship().EngineSpeed;
    rig.Frame();
    EXPECT_DOUBLE_EQ(ship().EngineSpeed, speed - 0.8);
    ASSERT_TRUE(rig.FramesUntil([&] { return ship().EngineSpeed == 0; }, 400));
    EXPECT_EQ(ship().Speed, 0);
    EXPECT_EQ(ship().FineHeading, 0);
    EXPECT_TRUE(ship().Finished);
}

TEST_F(DrivingShip, CoastingAtTheMapsBottomLooksPastItsEdge) {
    Start();
    rig.Track().ViewRow = 1490;
    ship().TimeOver = true;
    ship().FineHeading = 20;
    Drive(10);
    rig.Frames(20);
    EXPECT_EQ(ship().EngineSpeed, 0);
    EXPECT_EQ(ship().FineHeading, 0);  // the rows below 1500 have no direction
}
