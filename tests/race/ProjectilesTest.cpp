// The projectile table on the driving rig: the ten slots, where and how often asteroids appear,
// asteroids against the ships and the shots, shots against the player and the opponents, and how
// long impacts, break-ups and far projectiles last.

#include <gtest/gtest.h>

#include "DrivingRig.h"
#include "FakeOpponents.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/Projectiles.h"

namespace {

// A speed argument that makes a projectile stand still, so that it waits where it was put.
constexpr int32_t Standing = -10;

class Projectiles : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartTrack(2, 1300, TDrivingRig::TRoad::Straight);
        rig.Race().Opponents = &opponents;
        rig.Frame();
    }

    TRaceState& race() { return rig.Race(); }
    TProjectileTable& table() { return rig.Race().Projectiles; }
    TPlayer& player() { return rig.Player(); }
    int Played(int sound) {
        return rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }
    // World position of the player's ship's centre.
    TPointD PlayerCentre() {
        const TScrollBackground& track = rig.Track();
        return {track.ViewCol * 72 - track.X + player().ShipCentreX,
                track.ViewRow * 72 - track.Y + player().ShipCentreY};
    }
    // A world point well left of the player, at his height.
    TPointD AwayFromPlayer() { return {PlayerCentre().X - 250, PlayerCentre().Y}; }
    int32_t Spawn(TProjectileKind kind, TProjectileOwner owner, const TPointD& at) {
        return table().SpawnProjectile(kind, owner, 0, at.X, at.Y, Standing);
    }
    // Runs frames up to and including the next one that tests collisions.
    void CollisionFrame() {
        while (!race().CollisionFrame)
            rig.Frame();
        rig.Frame();
    }
    // Frames until the slot is free.
    int FramesToFree(int32_t slot) {
        int frames = 0;
        while (table().Slot(slot).Active && frames < 1000) {
            rig.Frame();
            ++frames;
        }
        return frames;
    }

    TDrivingRig rig;
    TFakeOpponents opponents;
};

}  // namespace

TEST_F(Projectiles, TenSlotsRefuseTheEleventhAndTheLowestFreeSlotIsTakenNext) {
    for (int32_t i = 1; i <= 10; ++i)
        EXPECT_EQ(Spawn(TProjectileKind::Shot1, TProjectileOwner::Player, AwayFromPlayer()), i);
    EXPECT_EQ(Spawn(TProjectileKind::Shot1, TProjectileOwner::Player, AwayFromPlayer()), 0);
    EXPECT_EQ(table().ActiveCount(), 10);
    table().RemoveProjectile(4);
    table().RemoveProjectile(7);
    EXPECT_EQ(Spawn(TProjectileKind::Shot2, TProjectileOwner::Opponent, AwayFromPlayer()), 4);
    EXPECT_EQ(table().Slot(4).Kind, TProjectileKind::Shot2);
    // A shot flies 10 units (5 px a frame) faster than the ship's speed argument.
    const int32_t slot = table().SpawnProjectile(TProjectileKind::Shot1, TProjectileOwner::Player,
                                                 64, 1000, 2000, 0);
    EXPECT_EQ(slot, 7);
    EXPECT_EQ(table().Slot(7).Speed, 10);
    table().ClearProjectiles();
    EXPECT_EQ(table().ActiveCount(), 0);
    EXPECT_EQ(table().AsteroidTimer, 500);
}

// Every few seconds a roll of a random 0..9 that comes up 5 drops an asteroid 50 px above the
// view, 200..599 px from its first column, drifting inward by up to 31 units, falling at 11 less
// the ship's rounded speed. The draws come in this order: the roll, the place, the drift, the kind.
TEST_F(Projectiles, AsteroidsAppearOnOneRollInTenAboveTheViewFallingElevenLessThanTheShip) {
    TGameServices& services = rig.Harness().Form().Services;
    const TScrollBackground& track = rig.Track();
    player().Speed = 7.6;
    int spawned = 0;
    int large = 0;
    for (int i = 0; i < 300; ++i) {
        table().ClearProjectiles();
        table().AsteroidTimer = 0;
        TRandom next = services.Random;
        const bool falls = next.Random(10) == 5;
        SpawnAsteroids(race(), services);
        EXPECT_EQ(table().AsteroidTimer, 500);
        ASSERT_EQ(table().ActiveCount(), falls ? 1 : 0) << "roll " << i;
        if (!falls)
            continue;
        ++spawned;
        const int32_t across = 200 + next.Random(400);
        const int32_t drift = next.Random(32);
        next.Random(2);
        const TProjectile& asteroid = table().Slot(1);
        EXPECT_EQ(asteroid.Owner, TProjectileOwner::Nobody);
        EXPECT_TRUE(IsAsteroid(asteroid.Kind));
        large += asteroid.Kind == TProjectileKind::LargeAsteroid;
        EXPECT_EQ(asteroid.X, track.ViewCol * 72 + across);
        EXPECT_EQ(asteroid.Y, track.ViewRow * 72 - 50);
        EXPECT_EQ(asteroid.Angle, across > 400 ? 128 + drift : 128 - drift);
        EXPECT_EQ(asteroid.Speed, 11 - 8);
    }
    EXPECT_GT(spawned, 10);
    EXPECT_GT(large, 0);
    EXPECT_LT(large, spawned);
}

// Ship type 2's outline is 32.8 px wide: its left edge lies 16.4 px left of its centre.
TEST_F(Projectiles, AnAsteroidWithin20PxDestroysThePlayerWithFullEnergyAndFliesOn) {
    ASSERT_EQ(player().Energy, 4);
    const double leftEdge = PlayerCentre().X - 20 * 0.82;
    const int32_t asteroid = Spawn(TProjectileKind::LargeAsteroid, TProjectileOwner::Nobody,
                                   {leftEdge - 20.5, PlayerCentre().Y});
    CollisionFrame();
    EXPECT_EQ(player().Energy, 4) << "half a pixel beside the outline";
    table().Slot(asteroid).X += 1;
    CollisionFrame();
    EXPECT_TRUE(player().Destroyed);
    EXPECT_EQ(player().Energy, 0);
    EXPECT_EQ(race().Lives, 2);
    const TProjectile& flying = table().Slot(asteroid);
    EXPECT_EQ(flying.State, TProjectileState::Flying);
    rig.Frame();
    EXPECT_TRUE(flying.Active);
}

TEST_F(Projectiles, ShotsBreakAsteroidsAndOnlyThePlayersScore) {
    for (TProjectileOwner owner : {TProjectileOwner::Player, TProjectileOwner::Opponent}) {
        table().ClearProjectiles();
        const int32_t scoreBefore = race().Score;
        const TPointD at = AwayFromPlayer();
        const int32_t asteroid =
            Spawn(TProjectileKind::SmallAsteroid, TProjectileOwner::Nobody, at);
        const int32_t shot = Spawn(TProjectileKind::Shot3, owner, {at.X + 30, at.Y + 30});
        CollisionFrame();
        EXPECT_FALSE(table().Slot(shot).Active);
        EXPECT_EQ(table().Slot(asteroid).State, TProjectileState::BreakingUp);
        EXPECT_EQ(race().Score - scoreBefore, owner == TProjectileOwner::Player ? 50 : 0);
    }
    // A shot stuck to a ship (here right of its outline) breaks one too.
    table().ClearProjectiles();
    const TPointD at = AwayFromPlayer();
    opponents.Place(1, at.X + 100, at.Y + 30, 20);
    const int32_t asteroid = Spawn(TProjectileKind::SmallAsteroid, TProjectileOwner::Nobody, at);
    TProjectile& impact = table().Slot(
        Spawn(TProjectileKind::Shot3, TProjectileOwner::Player, {at.X + 30, at.Y + 30}));
    impact.State = TProjectileState::StuckToOpponent;
    impact.Target = 1;
    impact.OffsetX = impact.X - opponents.Slot(1).X;
    impact.OffsetY = impact.Y - opponents.Slot(1).Y;
    CollisionFrame();
    EXPECT_FALSE(impact.Active);
    EXPECT_EQ(table().Slot(asteroid).State, TProjectileState::BreakingUp);
    EXPECT_TRUE(opponents.Hit.empty());
    EXPECT_EQ(Played(26), 3);
}

TEST_F(Projectiles, OpponentsShotsStickToThePlayerUnlessHeIsInvulnerableOrFinished) {
    player().Invulnerable = true;
    player().InvulnerableTime = 100000;
    const int32_t shot = Spawn(TProjectileKind::Shot1, TProjectileOwner::Opponent, PlayerCentre());
    CollisionFrame();
    EXPECT_EQ(table().Slot(shot).State, TProjectileState::Flying);
    EXPECT_EQ(player().Energy, 4);
    player().EndPowerUp(TPowerUp::Invulnerability);
    player().Finished = true;
    CollisionFrame();
    EXPECT_EQ(table().Slot(shot).State, TProjectileState::Flying);
    EXPECT_EQ(player().Energy, 4);
    player().Finished = false;
    CollisionFrame();
    EXPECT_EQ(player().Energy, 3);
    EXPECT_EQ(table().Slot(shot).State, TProjectileState::StuckToPlayer);
    EXPECT_EQ(Played(26), 1);
    // With the last cell the shot goes with the ship.
    player().Energy = 1;
    const int32_t last = Spawn(TProjectileKind::Shot1, TProjectileOwner::Opponent, PlayerCentre());
    CollisionFrame();
    EXPECT_TRUE(player().Destroyed);
    EXPECT_FALSE(table().Slot(last).Active);
}

TEST_F(Projectiles, PlayersShotsDamageOrWreckOpponentsAndOneShotCanHitTwo) {
    const TPointD at = AwayFromPlayer();
    opponents.Place(1, at.X, at.Y - 100, 20);
    opponents.Place(2, at.X + 10, at.Y - 100, 20);
    const int32_t shot =
        Spawn(TProjectileKind::Shot1, TProjectileOwner::Player, {at.X, at.Y - 100});
    CollisionFrame();
    EXPECT_EQ(opponents.Hit, (std::vector<int32_t>{1, 2}));
    const TProjectile& impact = table().Slot(shot);
    EXPECT_EQ(impact.State, TProjectileState::StuckToOpponent);
    EXPECT_EQ(impact.Target, 2);
    EXPECT_EQ(race().Score, 0);

    // A super-shot wrecks at once and scores 100.
    opponents.Place(3, at.X, at.Y + 200, 20);
    opponents.Slot(1).Active = opponents.Slot(2).Active = false;
    Spawn(TProjectileKind::SuperShot, TProjectileOwner::Player, {at.X, at.Y + 200});
    CollisionFrame();
    EXPECT_EQ(opponents.Destroyed, std::vector<int32_t>{3});
    EXPECT_EQ(race().Score, 100);
    EXPECT_EQ(table().ActiveCount(), 1);  // only the first impact is left

    // A normal shot that wrecks its ship (the fourth hit) goes with it and scores 100 too.
    opponents.Slot(3).Active = false;
    opponents.Place(4, at.X, at.Y + 200, 20);
    opponents.Slot(4).Hits = 3;
    Spawn(TProjectileKind::Shot1, TProjectileOwner::Player, {at.X, at.Y + 200});
    CollisionFrame();
    EXPECT_EQ(opponents.Destroyed, (std::vector<int32_t>{3, 4}));
    EXPECT_EQ(race().Score, 200);
    EXPECT_EQ(table().ActiveCount(), 1);
    EXPECT_EQ(Played(26), 2) << "the two impacts of the first shot only";
}

TEST_F(Projectiles, AsteroidsPassInactiveAndWreckedOpponents) {
    const TPointD at = AwayFromPlayer();
    opponents.Place(1, at.X, at.Y, 20);
    opponents.Slot(1).Active = false;
    opponents.Place(2, at.X, at.Y, 20);
    opponents.Slot(2).Exploding = true;
    const int32_t asteroid =
        Spawn(TProjectileKind::LargeAsteroid, TProjectileOwner::Nobody, {at.X + 10, at.Y + 10});
    CollisionFrame();
    EXPECT_TRUE(opponents.Hit.empty());
    EXPECT_EQ(table().Slot(asteroid).State, TProjectileState::Flying);
    opponents.Slot(2).Exploding = false;
    CollisionFrame();
    EXPECT_EQ(opponents.Hit, std::vector<int32_t>{2});
    EXPECT_EQ(table().Slot(asteroid).State, TProjectileState::BreakingUp);
    EXPECT_EQ(Played(26), 1);
}

// An impact counts from the frame of its hit, which is already its first step.
TEST_F(Projectiles, ImpactsLast65FramesBreakUpsAtMost46AndNothingLivesBelow800Px) {
    const int32_t impact =
        Spawn(TProjectileKind::Shot1, TProjectileOwner::Opponent, PlayerCentre());
    ASSERT_TRUE(rig.FramesUntil(
        [&] { return table().Slot(impact).State == TProjectileState::StuckToPlayer; }, 4));
    EXPECT_EQ(1 + FramesToFree(impact), 65);
    const int32_t asteroid =
        Spawn(TProjectileKind::SmallAsteroid, TProjectileOwner::Nobody, AwayFromPlayer());
    ProjectileHit(race(), asteroid, 0);
    EXPECT_EQ(FramesToFree(asteroid), 46);
    // Below the screen area, 800 px down, a projectile is removed.
    const int32_t onEdge = Spawn(TProjectileKind::Shot1, TProjectileOwner::Player,
                                 rig.Track().WorldFromScreen({300, 800}));
    const int32_t past = Spawn(TProjectileKind::Shot1, TProjectileOwner::Player,
                               rig.Track().WorldFromScreen({300, 800.5}));
    rig.Frame();
    EXPECT_TRUE(table().Slot(onEdge).Active);
    EXPECT_FALSE(table().Slot(past).Active);
}

TEST_F(Projectiles, HitBoxesReachAboveAndBelowButNotBeside) {
    const TQuad box = HitBox(100, 100, 10);
    EXPECT_TRUE(PointInQuad({100, 88}, box));
    EXPECT_FALSE(PointInQuad({112, 100}, box));
    EXPECT_FALSE(PointInQuad({88, 100}, box));
}
