// The opponent ships on the driving rig: which ships race a level, damage and explosions, the
// return to the track, the lane limits, what the probes react to, when a ship fires, one frame's
// throttle, brakes, steering and outline, the random changes, and the heading kept along the
// road.

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
    // Puts the ship's centre at (dx, dy) from the player's centre on the screen, standing, and
    // clears what a previous placing left: avoiding, the look-ahead, the lane. Returns the row
    // of the ship's centre.
    int32_t PutNearPlayer(TOpponentSlot& ship, double dx, double dy) {
        const TPointD centre = World(player().ShipCentreX + dx, player().ShipCentreY + dy);
        PutCentre(ship, centre, 0);
        ship.Avoiding = false;
        ship.AvoidTimer = 0;
        ship.LookAhead = 0;
        ship.LaneOffset = 0;
        return static_cast<int32_t>(std::lround(centre.Y)) / 72;
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

TEST_F(Opponents, FrontProbesIgnoreAFasterPlayerButSideProbesDoNot) {
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

// A ship fires when it is level with the player or up to 500 px behind him (on the screen, from
// centre to centre) and heads less than 16 units off the direction to him.
TEST_F(Opponents, FiresFromLevelTo500PxBehindThePlayerWhenAimedWithin16) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    const auto fires = [&](double dx, double dy, double heading) {
        race().Projectiles.ClearProjectiles();
        PutNearPlayer(ship, dx, dy);
        ship.Heading = heading;
        ship.FireCooldown = 0;
        cars.Advance(1);
        return race().Projectiles.ActiveCount() == 1;
    };
    // A pixel beside the player's line the direction is straight up (only the direction modulo
    // half a turn counts, so a ship just ahead of him aims at him too).
    EXPECT_TRUE(fires(1, 499, 0));
    EXPECT_FALSE(fires(1, 500, 0));
    EXPECT_TRUE(fires(-1, -19, 0));
    EXPECT_FALSE(fires(-1, -20, 0));
    EXPECT_TRUE(fires(1, 300, 15.9));
    EXPECT_FALSE(fires(1, 300, 16.1));
    EXPECT_FALSE(fires(1, 300, -16.1));
    // Exactly on the player's centre the ratio is 0/0: its arc tangent counts as 0, so the
    // direction is across the road and no shot leaves.
    EXPECT_FALSE(fires(0, 0, 0));
}

// Ship type 1 (brakes 7, grip 8, acceleration 9) with the player in ship type 2, one frame at a
// time, away from the player.
TEST_F(Opponents, OneFrameBrakesOnMarkedStretchesTurnsLooksAheadAndStopsPastTheFinish) {
    TCar& cars = rig.StartOpponents(1);
    TOpponentSlot& ship = cars.Slot(1);
    TTrackMap& map = race().TrackMap;
    const auto frameAt = [&](double engineSpeed, uint8_t targetRowKind) {
        const int32_t row = PutNearPlayer(ship, -150, -200);
        for (int32_t r = row - 8; r <= row; ++r)
            map.SetRowKind(r, 1);
        map.SetRowKind(row - 4, targetRowKind);
        ship.EngineSpeed = engineSpeed;
        cars.Advance(1);
        return ship.EngineSpeed;
    };
    const auto pull = [](double v) { return (9 * 3 + 80) / (v * std::sqrt(2 * v)); };
    const double brakeDrag = (11 - 7) / 40.0 + 0.25;
    // Above 130 the marked stretches (kinds 2 and 5) brake and the engine lets go; straights pull.
    EXPECT_DOUBLE_EQ(frameAt(140, 2), 140 - brakeDrag);
    EXPECT_FALSE(ship.Accelerating);
    EXPECT_DOUBLE_EQ(frameAt(140, 5), 140 - brakeDrag);
    EXPECT_DOUBLE_EQ(frameAt(140, 1), 140 + pull(140));
    EXPECT_TRUE(ship.Accelerating);
    // At 130 the engine still pulls, and the pull itself takes it past 130 into the brakes.
    EXPECT_DOUBLE_EQ(frameAt(130, 2), 130 + pull(130) - brakeDrag);

    // A moving ship turns toward its lane (60 px right of the centre line, far right of it) by
    // twice the turn rate.
    PutNearPlayer(ship, -150, -200);
    ship.EngineSpeed = 100;
    ship.Speed = TopSpeedFactor(1) * 100 / 8;
    ship.LaneOffset = 60;
    cars.Advance(1);
    EXPECT_NEAR(ship.Heading, 2 * 1000 / (100 * std::sqrt(100 * (4 - 8 / 10.0))), 1e-9);
    // The outline's corners lie at the type's corner distance scaled by the player's ship type.
    EXPECT_NEAR(std::hypot(ship.Hull[0].X - ship.CentreX, ship.Hull[0].Y - ship.CentreY), 42 * 0.82,
                1e-9);

    // The look-ahead reaches past straights only.
    for (uint8_t kind : {1, 3}) {
        const int32_t row = PutNearPlayer(ship, -150, -200);
        map.SetRowKind(row - 4 - 2, kind);
        ship.LookAhead = 2;
        cars.Advance(1);
        EXPECT_EQ(ship.LookAhead, kind == 1 ? 2 : 0) << "target row of kind " << int{kind};
        map.SetRowKind(row - 4 - 2, 1);
    }

    // 100 rows past the finish line the engine stops.
    const double stopY = (1450 - race().TrackLength) * 72.0;
    for (double dy : {-0.5, 0.5}) {
        PutCentre(ship, {ship.CentreX, stopY + dy}, 0);
        ship.EngineSpeed = 100;
        cars.Advance(1);
        EXPECT_EQ(ship.EngineSpeed == 0, dy < 0) << dy << " px from the stop";
    }
}

// When its timers run out a ship draws, in this order: the lane timer, the lane change and the
// look-ahead, then the speed timer and the new speed offset; the old offset is taken back by its
// size either way.
TEST_F(Opponents, RandomChangesDrawInOrderAndTakeBackTheOldSpeedOffset) {
    // The set-up draws every slot's light clock (0..19 twentieths), then the racing slots' types.
    TRandom next = rig.Harness().Form().Services.Random;
    std::vector<double> lights;
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot)
        lights.push_back(next.Random(20) / 20.0);
    TCar& cars = rig.StartOpponents(5);
    for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
        EXPECT_EQ(cars.Slot(slot).Kind, next.Random(5) + 1) << "slot " << slot;
        EXPECT_NEAR(cars.Slot(slot).BlinkTimer, lights[static_cast<size_t>(slot - 1)] + 0.15, 1e-9);
    }
    for (int32_t slot = 2; slot <= TOpponentShips::SlotCount; ++slot)
        cars.Slot(slot).Active = false;
    TOpponentSlot& ship = cars.Slot(1);
    for (int32_t oldOffset : {3, -3}) {
        PutNearPlayer(ship, -150, -200);
        ship.EngineSpeed = 200;  // above the top speed: the engine does not pull
        ship.SpeedOffset = oldOffset;
        ship.LaneTimer = ship.SpeedTimer = 0;
        next = rig.Harness().Form().Services.Random;
        const int32_t laneTimer = next.Random(10) * 300 + 4000;
        const int32_t lane = next.Random(60) - 30;
        const int32_t lookAhead = next.Random(3);
        const int32_t speedTimer = next.Random(10) * 300 + 4000;
        const int32_t speedOffset = next.Random(10) - 5;
        cars.Advance(1);
        EXPECT_EQ(ship.LaneTimer, laneTimer);
        EXPECT_EQ(ship.LaneOffset, lane);
        EXPECT_EQ(ship.LookAhead, lookAhead);
        EXPECT_EQ(ship.SpeedTimer, speedTimer);
        EXPECT_EQ(ship.SpeedOffset, speedOffset);
        EXPECT_DOUBLE_EQ(ship.EngineSpeed, 200 - 3 + speedOffset) << "old offset " << oldOffset;
    }
}

// Slot 3 stands 60 px behind slot 2, its front probes in slot 2's outline.
TEST_F(Opponents, ShipsSwerveRoundEachOtherAndKeepAvoiding200MsAfterTheLastTouch) {
    TCar& cars = rig.StartOpponents(2);
    TOpponentSlot& ahead = cars.Slot(2);
    TOpponentSlot& behind = cars.Slot(3);
    PutNearPlayer(ahead, -200, -60);
    PutNearPlayer(behind, -200, 0);
    behind.LaneOffset = -20;
    cars.Advance(1);
    EXPECT_EQ(behind.LaneOffset, -14) << "toward the middle, 6 px";
    EXPECT_EQ(behind.Heading, 1);
    EXPECT_TRUE(behind.Avoiding);
    EXPECT_FALSE(ahead.Avoiding);
    PutNearPlayer(ahead, -200, -400);
    int frames = 0;
    while (behind.Avoiding && frames < 100) {
        cars.Advance(1);
        ++frames;
    }
    EXPECT_EQ(frames, 20) << "19 more frames avoiding (200 ms at 11 ms a frame), not the 20th";
    EXPECT_EQ(behind.LaneOffset, -14);
}
