// The opponent ships on the driving rig: which ships race a level, damage and explosions, the
// return to the track, the lane limits, what the probes react to, no shot while the level is set
// up, and the heading kept along the road.

#include <gtest/gtest.h>

#include <cmath>

#include "DrivingRig.h"
#include "SimpleDriver.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/ShipModels.h"
#include "race/ShipPhysics.h"

namespace {

constexpr int32_t RightWallColumn = 325;  // of the straight road

class Opponents : public ::testing::Test {
protected:
    void SetUp() override { rig.StartTrack(2, 1300, TDrivingRig::TRoad::Straight); }

    TRaceState& race() { return rig.Race(); }
    TPlayer& player() { return rig.Player(); }
    int Played(int sound) {
        return rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }
    // World point of a screen point on the current window.
    TPointD World(double screenX, double screenY) {
        const TScrollBackground& track = rig.Track();
        return {track.ViewCol * 72 - track.X + screenX, track.ViewRow * 72 - track.Y + screenY};
    }
    // Puts the ship's centre at a world point, standing or moving at speed (Speed units).
    static void PutCentre(TOpponentSlot& ship, const TPointD& centre, double speed) {
        ship.X = centre.X - 32;
        ship.Y = centre.Y - 36.5;
        ship.Kind = 1;
        ship.Heading = 0;
        ship.Speed = speed;
        ship.EngineSpeed = speed * 8 / TopSpeedFactor(1);
    }
    static std::vector<bool> ActiveSlots(TCar& cars) {
        std::vector<bool> active;
        for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot)
            active.push_back(cars.Slot(slot).Active);
        return active;
    }

    TDrivingRig rig;
};

}  // namespace

TEST_F(Opponents, LevelsOneAndFourRaceTheirSlotsAtTheirStartPlaces) {
    TCar& cars = rig.StartOpponents(1);
    EXPECT_EQ(ActiveSlots(cars), (std::vector<bool>{true, false, false, false, false}));
    TCar& level4 = rig.StartOpponents(4);
    EXPECT_EQ(ActiveSlots(level4), (std::vector<bool>{false, true, true, false, false}));
    const TOpponentSlot& second = level4.Slot(2);
    EXPECT_EQ(second.X, rig.Track().ViewCol * 72 + 402);
    EXPECT_EQ(second.Y, rig.Track().ViewRow * 72 + 94);
    EXPECT_EQ(second.LaneOffset, 60);
    EXPECT_EQ(second.ImagePattern, ShipModelOf(second.Kind).StraightImage);
    EXPECT_FALSE(second.Accelerating);
}

TEST_F(Opponents, NoShotWhileTheLevelIsSetUpEvenWhenAimedAtThePlayer) {
    // Slot 1 stands at screen (288, 256), its centre 32..38 px right of that; with the player
    // 140 px above it and a little to the left, it points straight at him.
    player().ShipCentreX = 310;
    player().ShipCentreY = 150;
    TCar& cars = rig.StartOpponents(1);
    EXPECT_EQ(cars.Slot(1).FireCooldown, 1000);
    EXPECT_EQ(race().Projectiles.ActiveCount(), 0);
    // Outside the set-up the same aim fires.
    cars.Slot(1).FireCooldown = 0;
    cars.Advance(1);
    ASSERT_EQ(race().Projectiles.ActiveCount(), 1);
    const TProjectile& shot = race().Projectiles.Slot(1);
    EXPECT_EQ(shot.Owner, TProjectileOwner::Opponent);
    EXPECT_EQ(shot.Kind, ShotKindOf(cars.Slot(1).Kind));
    EXPECT_EQ(shot.Y, std::round(shot.Y));
}

TEST_F(Opponents, FourthHitOrAWallDestroysAndTheWreckComesBackAtTheRightBorder) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    ship.Y -= 10 * 72;  // away from the start line, which has no border piece
    for (int hit = 1; hit <= 3; ++hit)
        cars.DamageOpponent(1);
    EXPECT_FALSE(ship.Exploding);
    cars.DamageOpponent(1);
    EXPECT_TRUE(ship.Exploding);
    EXPECT_EQ(ship.ImagePattern, ShipModelOf(ship.Kind).ExplosionImage);
    EXPECT_EQ(Played(20), 1);

    // The wreck coasts on, stands, and comes back 1000 ms later two cells inside the right
    // border, in the row just behind its own.
    ship.EngineSpeed = 40;
    ship.Heading = 10;
    const double startY = ship.Y;
    ASSERT_TRUE(rig.FramesUntil([&] { return ship.EngineSpeed <= 0; }, 100));
    EXPECT_LT(ship.Y, startY - 20);
    const int32_t row = static_cast<int32_t>(ship.CentreY / 72);
    int frames = 0;
    while (ship.Exploding && frames < 200) {
        rig.Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 92);  // 1000 ms at 11 ms a frame, from the frame it stood
    EXPECT_EQ(ship.Hits, 0);
    EXPECT_EQ(ship.ImagePattern, ShipModelOf(ship.Kind).StraightImage);
    EXPECT_NEAR(ship.X, (RightWallColumn - 2) * 72, 1);
    EXPECT_NEAR(ship.Y, (row + 1) * 72, 1);
    EXPECT_NEAR(ship.Heading, 0, 0.1);

    // Its outline's left corners put into the left wall (x 19..30 of column 320): it explodes
    // at once.
    ship.X += 320 * 72 + 25 - ship.Hull[0].X;
    rig.Frame();
    rig.FramesUntil([&] { return race().CollisionFrame; }, 3);
    rig.Frame();
    EXPECT_TRUE(ship.Exploding);
    EXPECT_EQ(Played(20), 2);
}

TEST_F(Opponents, WithoutABorderPieceNearTheWreckComesBackWhereItIs) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    const int32_t row = static_cast<int32_t>(ship.CentreY / 72);
    for (int32_t r = row - 2; r <= row + 1; ++r)
        race().TrackMap.SetCell(RightWallColumn, r, 1);
    const double x = ship.X;
    const double y = ship.Y;
    cars.RespawnOpponent(1);
    EXPECT_EQ(ship.X, x);
    EXPECT_EQ(ship.Y, y);
}

TEST_F(Opponents, LaneOffsetJumpsBackFromPastItsLimits) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    const auto laneAfterFrame = [&](double lane) {
        ship.LaneOffset = lane;
        rig.Frame();
        return ship.LaneOffset;
    };
    EXPECT_EQ(laneAfterFrame(50), 50);
    EXPECT_EQ(laneAfterFrame(50.5), 60);
    EXPECT_EQ(laneAfterFrame(-40), -40);
    EXPECT_EQ(laneAfterFrame(-40.5), -30);
}

TEST_F(Opponents, FrontProbesIgnoreASlowerPlayerButSideProbesDoNot) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    player().Invulnerable = true;  // no bumps, only the probes
    player().InvulnerableTime = 100000;
    player().EngineSpeed = 8;
    player().Speed = 1;
    const double px = player().ShipCentreX;
    const double py = player().ShipCentreY;
    const auto probe = [&](double dx, double dy, double speed) {
        PutCentre(ship, World(px + dx, py + dy), speed);
        ship.LaneOffset = -30;
        ship.Avoiding = false;
        ship.AvoidTimer = 0;
        rig.Frame();
        return ship.LaneOffset;
    };
    // 100 px behind the player: the front probes reach into him.
    EXPECT_EQ(probe(0, 100, 2), -22);  // faster: swerves toward the middle, 8 px a frame
    EXPECT_TRUE(ship.Avoiding);
    EXPECT_EQ(probe(0, 100, 0.5), -30);  // slower: no reaction
    EXPECT_FALSE(ship.Avoiding);
    // Beside him on his right: the side-left probe is in him, whatever the speeds.
    EXPECT_EQ(probe(40, 20, 0.5), -24);
    EXPECT_TRUE(ship.Avoiding);
}

TEST_F(Opponents, HeadingsStayWithinTheirRowsDirectionLimitOverALevel) {
    rig.StartTrack(2, 1100);
    rig.StartOpponents(5);
    TSimpleDriver driver(rig);
    int outside = 0;
    for (int frame = 0; frame < 6000; ++frame) {
        driver.Drive();
        rig.Frame();
        for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
            const TOpponentSlot& ship = race().Opponents->Slot(slot);
            if (!ship.Active)
                continue;
            const uint8_t kind = race().TrackMap.RowKind(std::lround(ship.CentreY) / 72);
            const double direction = kind == 3 ? -18.89 : kind == 4 ? 18.89 : 0;
            outside += std::abs(ship.Heading - direction) > 16 + 1e-9 ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);
    // The ships did race: they left the start behind.
    EXPECT_LT(race().Opponents->Slot(1).CentreY, 1400 * 72);
}
