// The race position: the player against the opponents that race, sorted by how far up the track
// they are, with the nearest ship ahead and behind; a level tie keeps the last rank.

#include <gtest/gtest.h>

#include "DrivingRig.h"
#include "FakeOpponents.h"
#include "race/RaceRank.h"

namespace {

constexpr double BelowTheMap = 108000;  // world Y of an inactive slot

class RaceRank : public ::testing::Test {
protected:
    void SetUp() override {
        rig.StartTrack(2, 300);
        rig.Race().Opponents = &opponents;
    }
    TRaceState& race() { return rig.Race(); }
    double PlayerY() { return race().PlayerWorldY(); }
    // Opponent slot with its centre dy world pixels below the player's (negative: ahead).
    void Place(int32_t slot, double dy) { opponents.Place(slot, 0, PlayerY() + dy, 20); }

    TDrivingRig rig;
    TFakeOpponents opponents;
};

}  // namespace

TEST_F(RaceRank, WithoutOpponentsThePlayerLeadsARaceOfOne) {
    for (TOpponentShips* none : {static_cast<TOpponentShips*>(&opponents), {}}) {
        race().Opponents = none;
        race().Rank = race().ShipCount = 0;
        UpdateRank(race());
        EXPECT_EQ(race().Rank, 1);
        EXPECT_EQ(race().ShipCount, 1);
        EXPECT_EQ(race().NearestBehindY, BelowTheMap);
        EXPECT_EQ(race().NearestAheadY, PlayerY());
    }
}

TEST_F(RaceRank, OnlyActiveSlotsCountWhateverTheirOrder) {
    Place(5, -800);
    Place(1, +500);
    Place(3, -300);
    opponents.Slot(2).CentreY = 0;  // far ahead, but not racing
    UpdateRank(race());
    EXPECT_EQ(race().Rank, 3);
    EXPECT_EQ(race().ShipCount, 4);
    EXPECT_EQ(race().NearestAheadY, PlayerY() - 300);
    EXPECT_EQ(race().NearestBehindY, PlayerY() + 500);
}

TEST_F(RaceRank, LeadingAndLastHaveANeighbourOnOneSideOnly) {
    Place(1, +200);
    Place(2, +900);
    UpdateRank(race());
    EXPECT_EQ(race().Rank, 1);
    EXPECT_EQ(race().NearestBehindY, PlayerY() + 200);
    EXPECT_EQ(race().NearestAheadY, PlayerY());

    Place(1, -200);
    Place(2, -900);
    UpdateRank(race());
    EXPECT_EQ(race().Rank, 3);
    EXPECT_EQ(race().NearestAheadY, PlayerY() - 200);
    EXPECT_EQ(race().NearestBehindY, PlayerY());
}

TEST_F(RaceRank, LevelWithAnOpponentKeepsTheLastRankAndShowsNoDistance) {
    Place(1, -300);
    Place(2, +400);
    UpdateRank(race());
    ASSERT_EQ(race().Rank, 2);
    Place(3, 0);
    UpdateRank(race());
    EXPECT_EQ(race().Rank, 2);
    EXPECT_EQ(race().ShipCount, 4);
    EXPECT_EQ(race().NearestAheadY, PlayerY());
    EXPECT_EQ(race().NearestBehindY, PlayerY());

    race().Rank = 0;  // level with the only opponent before any rank was taken
    opponents.Slot(1).Active = opponents.Slot(2).Active = false;
    UpdateRank(race());
    EXPECT_EQ(race().Rank, 0);
    EXPECT_EQ(race().ShipCount, 2);
}

TEST_F(RaceRank, TheShipsStepTakesTheRankUntilTheFinishLine) {
    Place(1, -300);
    rig.Frame();
    EXPECT_EQ(race().Rank, 2);
    rig.Player().Finished = true;
    Place(1, +300);
    rig.Frame();
    EXPECT_EQ(race().Rank, 2) << "frozen after the finish";
}
