// A crowded level-5 race through the whole game, three minutes of game time: the ships overtake,
// bump, fire, explode and come back, asteroids fall and break up, and nothing goes astray.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "CrowdedRace.h"
#include "RaceScenario.h"
#include "race/OpponentShips.h"
#include "race/ShipSounds.h"

namespace {

constexpr int RunMs = 180000;

bool Finite(const TOpponentSlot& ship) {
    return std::isfinite(ship.X) && std::isfinite(ship.Y) && std::isfinite(ship.Heading) &&
           std::isfinite(ship.EngineSpeed) && std::isfinite(ship.LaneOffset);
}

class CrowdedRace : public RaceScenario {
protected:
    // Into the test's report, and on the screen for whoever runs it by hand.
    void Report(const char* what, int count) {
        RecordProperty(what, count);
        std::printf("%s: %d\n", what, count);
    }
};

}  // namespace

TEST_F(CrowdedRace, ALevel5RaceRunsThreeMinutesWithEverythingHappening) {
    TCrowdedRace crowd(game);
    crowd.StartLevel5();
    ASSERT_EQ(race().Level, 5);
    ASSERT_EQ(form().DialogKind, dkNone);

    int rankChanges = 0;
    int explosions = 0;
    int respawns = 0;
    int mostInFlight = 0;
    int brokenAsteroids = 0;
    int32_t rank = race().Rank;
    std::array<bool, TOpponentShips::SlotCount + 1> exploding{};
    std::array<bool, TProjectileTable::SlotCount + 1> breakingUp{};
    const int shotsBefore = Played(ShotSound);
    for (int frame = 0; frame < RunMs / FrameMs; ++frame) {
        crowd.Frame(FrameMs);
        ASSERT_TRUE(form().Race->Running());
        if (race().Rank != rank && rank != 0 && race().Rank != 0)
            ++rankChanges;
        rank = race().Rank;
        for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot) {
            const TOpponentSlot& ship = race().Opponents->Slot(slot);
            ASSERT_TRUE(ship.Active);
            ASSERT_TRUE(Finite(ship)) << "slot " << slot << " frame " << frame;
            explosions += ship.Exploding && !exploding[slot] ? 1 : 0;
            respawns += !ship.Exploding && exploding[slot] ? 1 : 0;
            exploding[slot] = ship.Exploding;
        }
        for (int32_t slot = 1; slot <= TProjectileTable::SlotCount; ++slot) {
            const TProjectile& projectile = race().Projectiles.Slot(slot);
            const bool broken =
                projectile.Active && projectile.State == TProjectileState::BreakingUp;
            brokenAsteroids += broken && !breakingUp[slot] ? 1 : 0;
            breakingUp[slot] = broken;
        }
        mostInFlight = std::max(mostInFlight, race().Projectiles.ActiveCount());
    }
    const int shots = Played(ShotSound) - shotsBefore;
    Report("drops", crowd.Drops());
    Report("rank_changes", rankChanges);
    Report("explosions", explosions);
    Report("respawns", respawns);
    Report("bumps", Played(BumpSound));
    Report("opponent_shots", shots);
    Report("impacts", Played(ImpactSound));
    Report("broken_asteroids", brokenAsteroids);
    EXPECT_GE(race().Level, 5);
    EXPECT_GE(rankChanges, 10);
    EXPECT_GE(Played(BumpSound), 3);
    EXPECT_GE(shots, 10);
    EXPECT_GE(Played(ImpactSound), 3);
    EXPECT_GE(explosions, 3);
    EXPECT_GE(respawns, 3);
    EXPECT_GE(Played(ExplosionSound), explosions);
    EXPECT_GE(brokenAsteroids, 1);
    EXPECT_GE(mostInFlight, 3);
}
