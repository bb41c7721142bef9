// The race's rules one by one on a driving rig: the level clock and its ticks, the results count,
// the level tables and the heads-up display's texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "DrivingRig.h"
#include "engine/FrameTiming.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "race/LevelTables.h"
#include "race/RaceClock.h"
#include "race/RaceHud.h"

namespace {

constexpr int TickSound = 18;
constexpr int LineSound = 3;

class RaceRules : public ::testing::Test {
protected:
    void SetUp() override { rig.StartTrack(2, 300); }
    TRaceState& race() { return rig.Race(); }
    TPlayer& player() { return rig.Player(); }
    TSoundList& sounds() { return rig.Harness().Form().MDXWaveList; }
    int Played(int sound) {
        return rig.Harness().Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }
    // The results of a level finished with timeLeft ms left at rank, counted at frameTime ms a
    // frame until the pause after the count is over. Returns the frames the count took.
    int CountResults(int32_t timeLeft, int32_t rank, int32_t frameTime) {
        race().Results.Begin(timeLeft, rank);
        int frames = 0;
        do {
            race().Results.StepLines(frameTime, sounds());
            ++frames;
        } while (!race().Results.CountTimeBonus(frameTime, sounds()) && frames < 100000);
        return frames;
    }
    // The HUD text drawn at (x, y); empty when there is none.
    std::string HudTextAt(int32_t x, int32_t y) {
        const std::vector<THudText> texts = RaceHudTexts(race());
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const THudText& t) { return t.X == x && t.Y == y; });
        return found == texts.end() ? "" : found->Text;
    }

    TDrivingRig rig;
};

}  // namespace

TEST_F(RaceRules, ClockTicksOnEachOfTheLastTenSecondsAndStopsAboveZero) {
    race().TimeLeft = 10500;
    int frames = 0;
    while (!player().TimeOver && frames < 1000) {
        KeepTime(race(), 16);
        ASSERT_GE(race().TimeLeft, 0);
        ++frames;
    }
    EXPECT_EQ(Played(TickSound), 10);
    EXPECT_EQ(race().TimeLeft, 4) << "10500 - 656 x 16; another frame would go below 0";
    KeepTime(race(), 16);
    EXPECT_EQ(race().TimeLeft, 4);
}

TEST_F(RaceRules, ClockStandsOnceTheShipHasFinished) {
    race().TimeLeft = 30000;
    player().Finished = true;
    KeepTime(race(), 16);
    EXPECT_EQ(race().TimeLeft, 30000);
    EXPECT_FALSE(player().TimeOver);
    race().TimeLeft = 5990;  // just below a whole second: a standing clock never ticks
    for (int frame = 0; frame < 200; ++frame)
        KeepTime(race(), 16);
    EXPECT_EQ(Played(TickSound), 0);
    race().TimeLeft = 17;  // finished with less than a frame left: the time is over as well
    KeepTime(race(), 16);
    EXPECT_TRUE(player().TimeOver);
}

TEST_F(RaceRules, ClockKeepsRunningAtAnyFrameRate) {
    const int32_t frameTime = ComputeFrameTiming(0, 2000).FrameTime;
    EXPECT_EQ(frameTime, 1);
    race().TimeLeft = 5000;
    KeepTime(race(), frameTime);
    EXPECT_EQ(race().TimeLeft, 4999);
}

TEST_F(RaceRules, TimeBonusIsFivePointsForEachWholeSecondLeft) {
    CountResults(12345, 1, 16);
    EXPECT_EQ(race().Results.TimeBonus, 60);
    EXPECT_EQ(Played(TickSound), 12);
    EXPECT_EQ(Played(LineSound), 4);
    EXPECT_EQ(race().Results.RankBonus, 800);

    // At four frames a second a frame counts 2.5 s: still 5 points for each second.
    CountResults(12345, 2, 250);
    EXPECT_EQ(race().Results.TimeBonus, 60);

    CountResults(999, 1, 16);
    EXPECT_EQ(race().Results.TimeBonus, 0) << "no whole second left";
}

TEST_F(RaceRules, ResultsShowALineASecondThenCountThenPauseTwoSeconds) {
    race().Results.Begin(3000, 1);
    const auto frame = [&] {
        race().Results.StepLines(16, sounds());
        return race().Results.CountTimeBonus(16, sounds());
    };
    frame();
    EXPECT_EQ(race().Results.ShownLines, 1);
    for (int i = 0; i < 63; ++i)
        frame();
    EXPECT_EQ(race().Results.ShownLines, 1) << "1000 ms have not passed";
    frame();
    EXPECT_EQ(race().Results.ShownLines, 2);
    while (race().Results.ShownLines < 4)
        frame();
    EXPECT_EQ(race().Results.TimeLeftAtFinish, 3000) << "the count starts with the fifth line";
    int countFrames = 0;
    while (race().Results.TimeLeftAtFinish >= 0) {
        EXPECT_FALSE(frame());
        countFrames += race().Results.ShownLines >= 5 ? 1 : 0;
    }
    EXPECT_EQ(countFrames, 19) << "3000 ms counted 160 ms a frame";
    EXPECT_EQ(race().Results.TimeBonus, 15);
    int pauseFrames = 1;
    while (!frame())
        ++pauseFrames;
    EXPECT_EQ(pauseFrames, 125) << "2000 ms at 16 ms a frame";
}

TEST_F(RaceRules, RankBonusByFinalPositionAndNothingWithoutARank) {
    const int32_t bonuses[] = {0, 800, 600, 400, 300, 200, 100, 0};
    for (int32_t rank = 0; rank <= 7; ++rank) {
        race().Results.Begin(0, rank);
        EXPECT_EQ(race().Results.RankBonus, bonuses[rank]) << "rank " << rank;
    }
}

TEST_F(RaceRules, OpponentsAndTrackLengthAtTheTablesEdges) {
    const auto racing = [](int32_t level) {
        std::string slots;
        for (int32_t slot = 1; slot <= 5; ++slot)
            if (OpponentRaces(slot, level))
                slots += std::to_string(slot);
        return slots;
    };
    EXPECT_EQ(racing(1), "1");
    EXPECT_EQ(racing(4), "23");
    EXPECT_EQ(racing(5), "12345");
    EXPECT_EQ(TrackLengthOf(5), 1100);
    EXPECT_EQ(TrackLengthOf(6), 1300);
}

TEST_F(RaceRules, HudShowsMinutesAndSecondsScoreAndLivesNeverNegative) {
    const std::pair<int32_t, std::string> times[] = {
        {45000, "00 : 45"}, {125999, "02 : 05"}, {69000, "01 : 09"}, {999, "00 : 00"}};
    for (const auto& [ms, shown] : times) {
        race().TimeLeft = ms;
        EXPECT_EQ(HudTextAt(724, 238), shown);
    }
    race().Score = 123456;
    race().Lives = -1;
    race().Level = 7;
    race().Rank = 2;
    race().ShipCount = 6;
    EXPECT_EQ(HudTextAt(718, 318), "123456");
    EXPECT_EQ(HudTextAt(783, 575), "0");
    EXPECT_EQ(HudTextAt(716, 14), "LEVEL 7 / 10");
    EXPECT_EQ(HudTextAt(670, 198), "2/6");
}

TEST_F(RaceRules, HudDistancesInRowsOnlyWhileTheirArrowsShow) {
    race().NearestBehindY = race().PlayerWorldY() + 180;  // 2.5 rows
    race().NearestAheadY = race().PlayerWorldY() - 252;   // 3.5 rows
    EXPECT_EQ(RaceHudTexts(race()).size(), 5u);
    race().BehindIndicator = race().AheadIndicator = true;
    EXPECT_EQ(HudTextAt(732, 176), "2") << "ties round to even";
    EXPECT_EQ(HudTextAt(732, 42), "4");
}
