// The projectile table on the driving rig: the ten slots, asteroids against the ships and the
// shots, shots against the player and the opponents, and how long impacts and break-ups last.

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

TEST_F(Projectiles, AnAsteroidDestroysThePlayerWithFullEnergyAndFliesOn) {
    ASSERT_EQ(player().Energy, 4);
    // From 100 px above the ship straight down at 5 px a frame.
    const TPointD above = {PlayerCentre().X, PlayerCentre().Y - 100};
    const int32_t asteroid = table().SpawnProjectile(
        TProjectileKind::LargeAsteroid, TProjectileOwner::Nobody, 128, above.X, above.Y, 0);
    ASSERT_TRUE(rig.FramesUntil([&] { return player().Destroyed; }, 40));
    EXPECT_EQ(player().Energy, 0);
    EXPECT_EQ(race().Lives, 2);
    const TProjectile& flying = table().Slot(asteroid);
    EXPECT_EQ(flying.State, TProjectileState::Flying);
    const double y = flying.Y;
    rig.Frame();
    EXPECT_TRUE(flying.Active);
    EXPECT_NEAR(flying.Y, y + 5, 1e-9);
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
    EXPECT_EQ(Played(26), 2);
}

TEST_F(Projectiles, OpponentsShotStickToThePlayerUnlessHeIsInvulnerable) {
    player().Invulnerable = true;
    player().InvulnerableTime = 100000;
    const int32_t shot = Spawn(TProjectileKind::Shot1, TProjectileOwner::Opponent, PlayerCentre());
    CollisionFrame();
    EXPECT_EQ(table().Slot(shot).State, TProjectileState::Flying);
    EXPECT_EQ(player().Energy, 4);
    player().EndPowerUp(TPowerUp::Invulnerability);
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
}

TEST_F(Projectiles, ImpactsLast65FramesAndBreakUpsAtMost46) {
    const int32_t impact =
        Spawn(TProjectileKind::Shot1, TProjectileOwner::Opponent, AwayFromPlayer());
    ProjectileHit(race(), impact, 0);
    EXPECT_EQ(FramesToFree(impact), 65);
    const int32_t asteroid =
        Spawn(TProjectileKind::SmallAsteroid, TProjectileOwner::Nobody, AwayFromPlayer());
    ProjectileHit(race(), asteroid, 0);
    EXPECT_EQ(FramesToFree(asteroid), 46);
}

TEST_F(Projectiles, HitBoxesReachAboveAndBelowButNotBeside) {
    const TQuad box = HitBox(100, 100, 10);
    EXPECT_TRUE(PointInQuad({100, 88}, box));
    EXPECT_FALSE(PointInQuad({112, 100}, box));
    EXPECT_FALSE(PointInQuad({88, 100}, box));
}
