// Whole games through the main form: a level driven to the finish, the results count, the time
// running out, the last life, the tenth level and the end of a game, with the race's frame steps
// as a player would meet them. Screenshots land in screenshots/ in the working folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "RaceScenario.h"
#include "race/Bonus.h"
#include "race/LevelTables.h"
#include "race/RaceHud.h"

namespace {

namespace vk = platform::vk;

constexpr int LineSound = 3;
constexpr int EngineIdleSound = 4;
constexpr int TickSound = 18;
constexpr int FanfareSound = 21;
const char* const Screenshots = "screenshots";

std::string HudText(const TRaceState& race, int32_t x, int32_t y) {
    for (const THudText& text : RaceHudTexts(race))
        if (text.X == x && text.Y == y)
            return text.Text;
    return "";
}

}  // namespace

TEST_F(RaceScenario, AScriptedGameFinishesLevelOneRetriesLevelTwoAndExitsToTheMenu) {
    std::filesystem::create_directories(Screenshots);
    game.Frames(30);
    EXPECT_EQ(HudText(race(), 670, 198), "0/0");
    EXPECT_EQ(HudText(race(), 724, 238), "00 : 45");
    EXPECT_TRUE(game.SaveScreenshot(std::string(Screenshots) + "/race-level-caption.png"));
    ASSERT_TRUE(RunDialog());
    HoldOffAsteroids();

    ASSERT_TRUE(DriveUntil([&] { return race().TimeLeft <= 30000; }, 2000));
    // Level 1 races one opponent.
    EXPECT_EQ(HudText(race(), 670, 198), std::to_string(race().Rank) + "/2");
    EXPECT_TRUE(game.SaveScreenshot(std::string(Screenshots) + "/race-hud.png"));
    ASSERT_TRUE(DriveUntil([&] { return player().Finished; }, 2000));
    ReleaseArrows();
    EXPECT_FALSE(player().TimeOver);
    EXPECT_FALSE(player().Destroyed);
    const int32_t secondsLeft = race().TimeLeft / 1000;
    const int32_t rank = race().Rank;
    const int32_t pickUpPoints = race().Score;  // whatever the track's pick-ups gave on the way

    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind == dkResults; }, 600));
    const int linesBefore = Played(LineSound);
    ASSERT_TRUE(FramesUntil([&] { return race().Results.TimeLeftAtFinish < 0; }, 1000));
    EXPECT_EQ(Played(LineSound) - linesBefore, 4);
    EXPECT_EQ(race().Results.TimeBonus, 5 * secondsLeft);
    EXPECT_TRUE(game.SaveScreenshot(std::string(Screenshots) + "/race-results.png"));
    ASSERT_TRUE(RunDialog());
    EXPECT_EQ(race().Score, pickUpPoints + RankBonusOf(rank) + 5 * secondsLeft);

    ASSERT_EQ(form().DialogKind, dkLevel);
    EXPECT_EQ(race().Level, 2);
    EXPECT_EQ(race().TimeLeft, 75000);
    ASSERT_TRUE(RunDialog());
    HoldOffAsteroids();
    race().TimeLeft = 3000;
    ASSERT_TRUE(DriveUntil([&] { return form().DialogKind == dkTimeOver; }, 600));
    ReleaseArrows();
    EXPECT_EQ(race().Lives, 2);
    ASSERT_TRUE(RunDialog());
    ASSERT_EQ(form().DialogKind, dkLevel);
    EXPECT_EQ(race().Level, 2) << "the same level again";
    EXPECT_EQ(race().TimeLeft, 75000);
    ASSERT_TRUE(RunDialog());
    game.Frames(30);

    Press(vk::Escape);
    ASSERT_EQ(form().DialogKind, dkExitToMenu);
    Press(vk::Letter('Y'));
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_FALSE(form().Race->Running());
}

TEST_F(RaceScenario, LevelFinishedWith12345MsLeftScoresTheRankAndSixtyTimePoints) {
    ASSERT_TRUE(RunDialog());
    race().Score = 1234;
    ASSERT_TRUE(CrossFinishLine());
    race().TimeLeft = 12345;  // the clock stands from the finish on
    const int ticksBefore = Played(TickSound);
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind == dkResults; }, 600));
    EXPECT_EQ(race().Results.TimeLeftAtFinish, 12345);
    EXPECT_EQ(race().Results.RankBonus, 800);
    ASSERT_TRUE(RunDialog(2000));
    EXPECT_EQ(race().Results.TimeBonus, 60);
    EXPECT_EQ(Played(TickSound) - ticksBefore, 12);
    EXPECT_EQ(race().Score, 1234 + 800 + 60);
    EXPECT_EQ(form().DialogKind, dkLevel);
    EXPECT_EQ(race().Level, 2);
    EXPECT_FALSE(player().Finished);
}

TEST_F(RaceScenario, TheResultsOpenTwoSecondsAfterTheShipStands) {
    ASSERT_TRUE(RunDialog());
    ASSERT_TRUE(CrossFinishLine());
    ASSERT_TRUE(FramesUntil([&] { return player().EngineSpeed == 0; }, 600));
    EXPECT_EQ(race().Rank, 1) << "taken before the line, then frozen";
    int frames = 0;
    while (form().DialogKind == dkNone && frames < 600) {
        game.Frame(FrameMs);
        ++frames;
    }
    EXPECT_EQ(form().DialogKind, dkResults);
    EXPECT_EQ((1 + frames) * FrameMs, 2000) << "counted from the frame the ship stopped in";
}

TEST_F(RaceScenario, FinishingAsTheTimeRunsOutCountsAsFinished) {
    ASSERT_TRUE(RunDialog());
    game.Frame(FrameMs);
    PlaceBeforeFinish(6);
    player().EngineSpeed = 40;  // rolling over the line
    race().TimeLeft = FrameMs + 1;
    game.Frame(FrameMs);
    EXPECT_TRUE(player().Finished);
    EXPECT_TRUE(player().TimeOver);
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind != dkNone; }, 600));
    EXPECT_EQ(form().DialogKind, dkResults);
    EXPECT_EQ(race().Lives, 3);
}

TEST_F(RaceScenario, TimeOverWithThreeLivesRepeatsTheLevelWithTwo) {
    ASSERT_TRUE(RunDialog());
    player().NitroActive = player().SuperShotArmed = true;
    player().NitroTime = 100000;
    race().TimeLeft = 1500;
    Hold(vk::Up);  // rolling when the time is over, and the accelerator stays held
    ASSERT_TRUE(FramesUntil([&] { return player().TimeOver; }, 200));
    EXPECT_EQ(HudText(race(), 724, 238), "00 : 00");
    ASSERT_TRUE(FramesUntil([&] { return player().EngineSpeed == 0; }, 600));
    int frames = 0;
    while (form().DialogKind == dkNone && frames < 600) {
        game.Frame(FrameMs);
        ++frames;
    }
    Hold(vk::Up, false);
    EXPECT_EQ((1 + frames) * FrameMs, 1008) << "1000 ms in whole frames of 16 ms";
    ASSERT_EQ(form().DialogKind, dkTimeOver);
    EXPECT_EQ(race().Lives, 2);
    EXPECT_EQ(player().Energy, 4);

    TBonus& bonuses = *form().Race->Bonuses();
    for (int32_t n = 1; n <= TBonus::MaxPickUps; ++n)
        bonuses.PickUp(n).Active = false;  // as if all were collected
    const int idleBefore = Played(EngineIdleSound);
    ASSERT_TRUE(RunDialog());
    EXPECT_EQ(form().DialogKind, dkLevel);
    int scattered = 0;
    for (int32_t n = 1; n <= TBonus::MaxPickUps; ++n)
        scattered += bonuses.PickUp(n).Active;
    EXPECT_GT(scattered, 0) << "the same level again lays its pick-ups anew";
    EXPECT_EQ(race().Level, 1);
    EXPECT_EQ(race().TimeLeft, 45000);
    EXPECT_EQ(race().Rank, 0);
    EXPECT_FALSE(player().TimeOver);
    EXPECT_FALSE(player().NitroActive);
    EXPECT_FALSE(player().SuperShotArmed);
    EXPECT_EQ(player().EngineSound, TEngineSound::Idle);
    EXPECT_EQ(Played(EngineIdleSound), idleBefore + 1);
}

TEST_F(RaceScenario, TimeOverWithTheLastLifeIsGameOverAndTheMenu) {
    ASSERT_TRUE(RunDialog());
    race().Lives = 1;
    race().TimeLeft = 500;
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind != dkNone; }, 300));
    EXPECT_EQ(form().DialogKind, dkGameOver);
    EXPECT_EQ(race().Lives, 0);
    EXPECT_EQ(HudText(race(), 783, 575), "0");
    ASSERT_TRUE(RunDialog());
    EXPECT_EQ(form().ScreenKind, skMainMenu) << "a score of 0 does not qualify";
    EXPECT_FALSE(form().Race->Running());
}

TEST_F(RaceScenario, LastShipDestroyedEndsTheGameAfterItsExplosion) {
    ASSERT_TRUE(RunDialog());
    race().Lives = 1;
    player().LoseEnergy(4);
    EXPECT_EQ(race().Lives, 0);
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind != dkNone; }, 400));
    EXPECT_EQ(form().DialogKind, dkGameOver);
    EXPECT_EQ(race().RequestedDialog, dkNone);
}

TEST_F(RaceScenario, LevelTenEndsWithTheCongratulationsThenTheNameEntry) {
    std::filesystem::create_directories(Screenshots);
    race().Level = 10;
    race().Score = 5000;
    ASSERT_TRUE(RunDialog());
    ASSERT_TRUE(CrossFinishLine());
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind == dkResults; }, 600));
    ASSERT_TRUE(RunDialog(2000));
    ASSERT_EQ(form().DialogKind, dkCongratulations);
    EXPECT_EQ(Played(FanfareSound), 1);
    EXPECT_EQ(race().Level, 10) << "there is no level 11";
    int frames = 0;
    while (form().DialogKind == dkCongratulations && frames < 1000) {
        game.Frame(FrameMs);
        ++frames;
    }
    EXPECT_EQ(frames, 200) << "3200 ms at 16 ms a frame";
    ASSERT_EQ(form().DialogKind, dkEnterName);
    game.Type("Ace");
    game.Frames(10);
    EXPECT_TRUE(game.SaveScreenshot(std::string(Screenshots) + "/race-name-entry.png"));
    Enter();
    EXPECT_EQ(form().DialogKind, dkSendResult);
    const THighScoreTable& table = form().Saved.HighScores;
    const auto shown = table.begin() + NewHighScoreSlot;
    EXPECT_NE(std::find(table.begin(), shown, THighScore{"Ace", race().Score}), shown);
}

TEST_F(RaceScenario, LevelTenWithAScoreTooLowEndsOnTheMainMenu) {
    race().Level = 10;
    ASSERT_TRUE(RunDialog());
    ASSERT_TRUE(CrossFinishLine());
    race().TimeLeft = 0;  // 800 points for the rank alone: less than the lowest high score
    ASSERT_TRUE(FramesUntil([&] { return form().DialogKind == dkCongratulations; }, 2000));
    EXPECT_EQ(race().Score, 800);
    ASSERT_TRUE(RunDialog());
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_FALSE(form().Race->Running());
}

TEST_F(RaceScenario, EachRaceFrameCountsCollisionFramesCopiesTheWindowAndFollowsTheShip) {
    ASSERT_TRUE(RunDialog());
    EXPECT_TRUE(race().CollisionFrame);
    std::string collisionFrames;
    Hold(vk::Up);
    Hold(vk::Right);
    for (int i = 0; i < 6; ++i) {
        game.Frame(FrameMs);
        collisionFrames += race().CollisionFrame ? 'C' : '-';
    }
    Hold(vk::Right, false);
    EXPECT_EQ(collisionFrames, "--C--C");
    ASSERT_TRUE(FramesUntil([&] { return race().Track->ViewRow < 1470; }, 600));
    ReleaseArrows();

    const TScrollBackground& track = *race().Track;
    for (int32_t row = 0; row < TScrollBackground::ViewRows; ++row) {
        for (int32_t column = 0; column < TScrollBackground::ViewColumns; ++column) {
            const uint8_t cell = race().TrackMap.Cell(track.ViewCol + column, track.ViewRow + row);
            EXPECT_EQ(track.ChipAt(column, row), cell == TTrackMap::EmptyCell ? -1 : cell);
        }
    }
    const double turn = player().Heading * 2 * std::numbers::pi / 256;
    EXPECT_NE(player().Heading, 0);
    EXPECT_DOUBLE_EQ(race().ScrollVelocity.X, -std::sin(turn) * player().Speed);
    EXPECT_DOUBLE_EQ(race().ScrollVelocity.Y, std::cos(turn) * player().Speed);
}

TEST_F(RaceScenario, TimedPowerUpsRunOutFrameByFrame) {
    ASSERT_TRUE(RunDialog());
    player().Invulnerable = true;
    player().InvulnerableTime = 40;
    player().NitroActive = true;
    player().NitroTime = 1000;
    game.Frames(2, FrameMs);
    EXPECT_TRUE(player().Invulnerable) << "8 ms left";
    game.Frame(FrameMs);
    EXPECT_FALSE(player().Invulnerable);
    EXPECT_TRUE(player().NitroActive);
    game.Frames(60, FrameMs);
    EXPECT_FALSE(player().NitroActive);
}

TEST_F(RaceScenario, EndingTheRaceFreesItsSpritesAndANewGameStarts) {
    ASSERT_TRUE(RunDialog());
    game.Frames(10);
    Press(vk::Escape);
    Press(vk::Letter('Y'));
    ASSERT_EQ(form().ScreenKind, skMainMenu);
    const TRaceState& ended = race();
    EXPECT_EQ(ended.Track, nullptr);
    EXPECT_EQ(ended.StarField, nullptr);
    EXPECT_EQ(ended.Player, nullptr);
    EXPECT_EQ(form().MDXSpriteEngine.Engine().SpriteCount, MainMenuSprites());

    OpenMainItem(1);
    form().Menu.MenuIndex = 9;
    Enter();
    ASSERT_EQ(form().ScreenKind, skRace);
    EXPECT_EQ(race().Score, 0);
    EXPECT_EQ(race().Lives, 3);
    ASSERT_TRUE(RunDialog());
    game.Frames(10);
    EXPECT_EQ(race().Rank, 2) << "level 1's opponent starts ahead";
}
