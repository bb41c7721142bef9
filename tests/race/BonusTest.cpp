// The level's pick-ups: how many are scattered and of which kinds, their turning, and what
// collecting one does.

#include <gtest/gtest.h>

#include "DrivingRig.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/Bonus.h"
#include "race/LevelTables.h"

namespace {

class Bonuses : public ::testing::Test {
protected:
    TBonus& Scatter(int32_t level) {
        rig.Race().Level = level;
        rig.Race().BonusCount = BonusCountOf(level);
        rig.StartTrack(2, TrackLengthOf(level));
        if (!bonus)
            bonus = NewSprite<TBonus>(rig.Harness().Form().Services, rig.Race());
        else
            bonus->PlaceBonuses();
        return *bonus;
    }
    int Played(int sound) {
        return rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }
    // Pick-up 1, alone, of kind, under the ship's nose on the standing ship's window.
    void LayUnderShip(TBonusKind kind) {
        rig.Race().BonusCount = 1;
        bonus->PickUp(1) = {.Active = true,
                            .Column = rig.Track().ViewCol + 5,
                            .Row = rig.Track().ViewRow + 6,
                            .Kind = kind};
    }

    TDrivingRig rig;
    TBonus* bonus = nullptr;
};

}  // namespace

TEST_F(Bonuses, LevelsScatterAtMostTenPerLevelAndNeverAFourthLife) {
    for (int32_t level : {1, 10, 10, 10}) {
        TBonus& pickUps = Scatter(level);
        int active = 0;
        int lives = 0;
        for (int32_t n = 1; n <= TBonus::MaxPickUps; ++n) {
            const TPickUp& pickUp = pickUps.PickUp(n);
            if (!pickUp.Active)
                continue;
            ++active;
            lives += pickUp.Kind == TBonusKind::Life;
            bool besideBorder = false;
            for (int32_t d = 1; d <= 4; ++d)
                besideBorder |= rig.Race().TrackMap.Cell(pickUp.Column - d, pickUp.Row) == 2;
            EXPECT_TRUE(besideBorder);
            EXPECT_GE(pickUp.Row, 1549 - rig.Race().TrackLength) << "past the finish line";
            EXPECT_LT(pickUp.Row, 1495);
        }
        EXPECT_LE(active, level * 10);
        EXPECT_GE(active, level * 10 / 2) << "most rows have a left border";
        EXPECT_LE(lives, 3);
    }
}

TEST_F(Bonuses, CollectingScoresAndGrantsEveryPowerUpEvenAtTheMaximum) {
    Scatter(1);
    rig.Frame();
    rig.Race().Lives = 3;
    rig.Race().Score = 0;
    LayUnderShip(TBonusKind::Life);
    rig.Frame();
    EXPECT_FALSE(bonus->PickUp(1).Active);
    EXPECT_EQ(rig.Race().Lives, 3);
    EXPECT_EQ(rig.Race().Score, 10);
    EXPECT_EQ(Played(15), 1);
    LayUnderShip(TBonusKind::Energy);
    rig.Frame();
    EXPECT_EQ(rig.Player().Energy, 4);
    EXPECT_EQ(rig.Race().Score, 20);
    rig.Race().Lives = 2;
    LayUnderShip(TBonusKind::Life);
    rig.Frame();
    EXPECT_EQ(rig.Race().Lives, 3);
    LayUnderShip(TBonusKind::Score100);
    rig.Frame();
    EXPECT_EQ(rig.Race().Score, 130);
    EXPECT_EQ(Played(14), 1);
    TPlayer& ship = rig.Player();
    ship.Energy = 3;
    LayUnderShip(TBonusKind::Energy);
    rig.Frame();
    EXPECT_EQ(ship.Energy, 4);
    LayUnderShip(TBonusKind::Invulnerability);
    rig.Frame();
    EXPECT_TRUE(ship.Invulnerable);
    EXPECT_EQ(ship.InvulnerableTime, 10000);
    LayUnderShip(TBonusKind::Nitro);
    rig.Frame();
    EXPECT_TRUE(ship.NitroActive);
    EXPECT_EQ(ship.NitroTime, 10000);
    LayUnderShip(TBonusKind::SuperShot);
    rig.Frame();
    EXPECT_TRUE(ship.SuperShotArmed);
    EXPECT_EQ(rig.Race().Score, 170);
    EXPECT_EQ(Played(15), 7);
    // One cell further right, the pick-up's corners miss the ship.
    LayUnderShip(TBonusKind::Score50);
    bonus->PickUp(1).Column += 1;
    rig.Frames(3);
    EXPECT_TRUE(bonus->PickUp(1).Active);
}

// Pick-ups turn 0.06 of a pattern a frame, back to 0 past 4. The wreck on the last life lies on
// a life pick-up, which stays there: the game is over.
TEST_F(Bonuses, PickUpsTurnAndAWreckCollectsNothing) {
    Scatter(1);
    rig.Frame();
    LayUnderShip(TBonusKind::Life);
    TPickUp& pickUp = bonus->PickUp(1);
    pickUp.Column += 10;  // far from the ship
    pickUp.Anim = 1;
    rig.Frame();
    EXPECT_DOUBLE_EQ(pickUp.Anim, 1.06);
    pickUp.Anim = 3.98;
    rig.Frame();
    EXPECT_EQ(pickUp.Anim, 0);

    rig.Race().Lives = 1;
    rig.Player().LoseEnergy(4);
    ASSERT_EQ(rig.Race().Lives, 0);
    pickUp.Column -= 10;
    rig.Frames(3000 / 11 + 5);
    EXPECT_TRUE(pickUp.Active);
    EXPECT_EQ(rig.Race().Lives, 0);
    EXPECT_EQ(rig.Race().RequestedDialog, dkGameOver);
}
