// A crowded race through the whole game: level 5 with all five opponents, three minutes of game
// time with the simple driver at the controls. The script stands in for a better driver: it keeps
// the player's lives topped up, fires his shot once a second as his weapon will, and whenever he
// has fallen far behind the field puts him back on the road beside its middle ship. Everything
// else is the game's own: the ships overtake, bump, fire, explode and come back, asteroids fall
// and break up.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "RaceScenario.h"
#include "race/OpponentShips.h"
#include "race/ScrollBackground.h"
#include "race/ShipSounds.h"

namespace {

constexpr int RunMs = 180000;  // three minutes of game time

constexpr int32_t FireEveryMs = 1000;
constexpr double FarBehind = 15 * 72;  // pixels behind the hindmost opponent

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
    // The shot from the ship's nose along its heading, as the player's weapon fires it.
    void FirePlayerShot() {
        const TPlayer& ship = player();
        const TScrollBackground& track = *race().Track;
        const TPointD nose = track.WorldFromScreen({(ship.Corners[0].X + ship.Corners[1].X) / 2,
                                                    (ship.Corners[0].Y + ship.Corners[1].Y) / 2});
        race().Projectiles.SpawnProjectile(ShotKindOf(race().ShipType), TProjectileOwner::Player,
                                           ship.Heading, nose.X, nose.Y, Round(ship.Speed));
    }
    // World Y of the opponents' centres, front first.
    std::vector<double> FieldY() {
        std::vector<double> field;
        for (int32_t slot = 1; slot <= TOpponentShips::SlotCount; ++slot)
            field.push_back(race().Opponents->Slot(slot).CentreY);
        std::sort(field.begin(), field.end());
        return field;
    }
    // The ship level with the field's middle ship, on the road's centre line, heading up.
    void PutBesideMiddleShip() {
        TScrollBackground& track = *race().Track;
        const double middleY = FieldY()[2];
        track.X = track.Y = 0;
        track.ViewRow = Trunc((middleY - player().ShipCentreY) / 72);
        const int32_t shipRow = track.ViewRow + Trunc(player().ShipCentreY / 72);
        track.ViewCol = Round((race().TrackMap.CentreLineX(shipRow) - player().ShipCentreX) / 72);
        track.CopyViewToChips();
        player().FineHeading = 0;
        player().Heading = 0;
    }
};

}  // namespace

TEST_F(CrowdedRace, ALevel5RaceRunsThreeMinutesWithEverythingHappening) {
    ASSERT_TRUE(RunDialog());
    race().Level = 4;
    form().Race->StartLevel(true);
    ASSERT_EQ(race().Level, 5);
    ASSERT_TRUE(RunDialog());
    ASSERT_EQ(form().DialogKind, dkNone);

    int drops = 0;
    int rankChanges = 0;
    int explosions = 0;
    int respawns = 0;
    int mostInFlight = 0;
    int brokenAsteroids = 0;
    int32_t rank = race().Rank;
    std::array<bool, TOpponentShips::SlotCount + 1> exploding{};
    std::array<bool, TProjectileTable::SlotCount + 1> breakingUp{};
    const int shotsBefore = Played(ShotSound);
    TSimpleDriver driver(race(), game.Backend().Keys());
    for (int frame = 0; frame < RunMs / FrameMs; ++frame) {
        if (form().DialogKind == dkNone) {
            driver.Drive();
            if (frame % (FireEveryMs / FrameMs) == 0 && !player().Destroyed && !player().Finished)
                FirePlayerShot();
            if (!player().Destroyed && !player().Finished &&
                race().PlayerWorldY() > FieldY().back() + FarBehind) {
                PutBesideMiddleShip();
                ++drops;
            }
        }
        game.Frame(FrameMs);
        ASSERT_TRUE(form().Race->Running());
        if (race().Lives < 2)
            race().Lives = 3;
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
    Report("drops", drops);
    Report("rank_changes", rankChanges);
    Report("explosions", explosions);
    Report("respawns", respawns);
    Report("bumps", Played(BumpSound));
    Report("shots", Played(ShotSound) - shotsBefore);
    Report("impacts", Played(ImpactSound));
    Report("broken_asteroids", brokenAsteroids);
    EXPECT_GE(race().Level, 5);
    EXPECT_GE(rankChanges, 10);
    EXPECT_GE(Played(BumpSound), 3);
    EXPECT_GE(Played(ShotSound) - shotsBefore, 10);
    EXPECT_GE(Played(ImpactSound), 3);
    EXPECT_GE(explosions, 3);
    EXPECT_GE(respawns, 3);
    EXPECT_GE(Played(ExplosionSound), explosions);
    EXPECT_GE(brokenAsteroids, 1);
    EXPECT_GE(mostInFlight, 3);
}
