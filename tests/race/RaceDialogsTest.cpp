// The dialogs over a race as a player meets them: the exit question with its keys, the pause, the
// timed captions, a second dialog asked for while one is open, the menu selection they take and
// give back, minimising and closing the window, and the chain from the end of a game through the
// name entry and the send question.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "RaceScenario.h"
#include "save/SavedData.h"

namespace {

namespace vk = platform::vk;

constexpr int EngineIdleSound = 4;

class RaceDialogs : public RaceScenario {
protected:
    void SetUp() override {
        RaceScenario::SetUp();
        ASSERT_TRUE(RunDialog());  // the level caption
    }
    void ExpectRaceMenu() {
        EXPECT_EQ(form().Menu.MenuIndex, 0);
        EXPECT_EQ(form().Menu.MenuStart, 1);
        EXPECT_EQ(form().Menu.MenuEnd, 0);
    }
    static constexpr std::array<int, 10> ShipSounds = {4, 6, 7, 8, 9, 10, 11, 12, 13, 22};
    int ShipSoundsPlayed() {
        int played = 0;
        for (int sound : ShipSounds)
            played += Played(sound);
        return played;
    }
    int CursorCounter() { return game.Backend().Screen().CursorCounter(); }
    // A game left with a score that enters the table, the empty name entered: the send question.
    bool ReachSendQuestion() {
        race().Score = 2000;
        Press(vk::Escape);
        Press(vk::Letter('Y'));
        Enter();
        return form().DialogKind == dkSendResult;
    }
};

}  // namespace

TEST_F(RaceDialogs, ExitQuestionPreselectsNoAndGivesTheRaceItsMenuBack) {
    ExpectRaceMenu();
    EXPECT_LT(CursorCounter(), 0) << "no pointer during the race";
    Press(vk::Escape);
    ASSERT_EQ(form().DialogKind, dkExitToMenu);
    EXPECT_EQ(form().Menu.MenuStart, 11);
    EXPECT_EQ(form().Menu.MenuEnd, 12);
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    EXPECT_GE(CursorCounter(), 0);
    Press(vk::Right);
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 11);
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 11);
    form().Menu.MenuIndex = 0;  // the pointer moved off both buttons
    Press(vk::Right);
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    form().Menu.MenuIndex = 0;
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 11);

    const int32_t timeLeft = race().TimeLeft;
    Press(vk::Letter('N'));
    EXPECT_EQ(form().DialogKind, dkNone);
    ExpectRaceMenu();
    EXPECT_LT(CursorCounter(), 0);
    EXPECT_LT(race().TimeLeft, timeLeft) << "the race goes on";
}

TEST_F(RaceDialogs, ClosingTheWindowAsksToExitAndYesEndsOnTheMenu) {
    race().Score = 1000;  // equal to the lowest high score: not enough
    game.Send({.Kind = platform::EventKind::CloseRequest});
    game.Frame();
    ASSERT_EQ(form().DialogKind, dkExitToMenu);
    Press(vk::Letter('Y'));
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 1);
}

TEST_F(RaceDialogs, AQualifyingGameEntersTheNameShowsTheTableAndSavesIt) {
    race().Score = 7500;
    Press(vk::Escape);
    Press(vk::Letter('Y'));
    ASSERT_EQ(form().DialogKind, dkEnterName);
    EXPECT_EQ(form().ScreenKind, skRace) << "the race stays behind the name entry";
    game.Type("Ace 7");
    Enter();
    ASSERT_EQ(form().DialogKind, dkSendResult);
    EXPECT_EQ(form().Menu.MenuIndex, 11) << "Yes preselected";
    Press(vk::Letter('N'));
    EXPECT_EQ(form().DialogKind, dkNone);
    ASSERT_EQ(form().ScreenKind, skHighScores) << "No goes straight to the table";
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    for (int32_t item = 1; item <= 6; ++item)
        EXPECT_FALSE(form().Menu.Button(item)->Highlighted) << "main button " << item;
    EXPECT_FALSE(form().Race->Running());
    // 7500 goes in below the default 8000 and above 7000: fourth place.
    const std::vector<TPlacedText> texts = form().HighScoresScreen.TableTexts();
    EXPECT_EQ(texts[3 + 3 * 3 + 1], (TPlacedText{"Ace 7", 2, 224, 204 + 26 * 4}));
    EXPECT_EQ(texts[3 + 3 * 3 + 2], (TPlacedText{"7500", 17, 382, 204 + 26 * 4}));

    form().Shutdown();
    TSavedData saved(game.SaveFolder());
    saved.LoadAll();
    EXPECT_TRUE(saved.HighScoresValid());
    EXPECT_EQ(saved.HighScores[3], (THighScore{"Ace 7", 7500}));
}

TEST_F(RaceDialogs, SendingShowsForAFrameThenEndsTheGame) {
    ASSERT_TRUE(ReachSendQuestion());
    game.KeyDown(vk::Letter('Y'));
    game.Frame();
    game.KeyUp(vk::Letter('Y'));
    ASSERT_EQ(form().DialogKind, dkSending) << "its first frame shows it";
    game.Frame();
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skHighScores);
    EXPECT_FALSE(form().Race->Running());
}

// While the request runs the frames go on; what the player presses meanwhile is spent on the
// "Sending..." dialog and none of it reaches the table that follows.
TEST_F(RaceDialogs, SendingLastsAsLongAsTheRequestAndKeysPressedMeanwhileAreDropped) {
    ASSERT_TRUE(ReachSendQuestion());
    game.Backend().Http().HoldJobs();
    Press(vk::Letter('Y'));
    const int framesBefore = game.Backend().Screen().FrameCount();
    game.Frames(100);
    ASSERT_EQ(form().DialogKind, dkSending) << "the request has not ended";
    EXPECT_EQ(game.Backend().Screen().FrameCount(), framesBefore + 100);
    EXPECT_EQ(game.Backend().Http().Requests().size(), 1u);
    Press(vk::Escape);  // tapped
    game.Type("\r");
    game.Frame();
    Hold(vk::Left);  // still held when the table opens
    game.Frame();
    game.Backend().Http().EndHeldJobs();
    game.Frame();
    ASSERT_EQ(form().DialogKind, dkNone);
    ASSERT_EQ(form().ScreenKind, skHighScores);
    game.Frames(5);
    EXPECT_EQ(form().ScreenKind, skHighScores) << "the tapped Esc did not leave the table";
    EXPECT_EQ(form().Menu.MenuIndex, 8) << "the held Left did not move the highlight";
    EXPECT_TRUE(game.Backend().OpenedUrls().empty()) << "the typed Enter opened nothing";
    EXPECT_EQ(game.Backend().Http().Requests().size(), 1u) << "one request, no retry";
}

TEST_F(RaceDialogs, PauseClosesWithPOrEscAndFreezesTheRace) {
    Press(vk::Letter('P'));
    ASSERT_EQ(form().DialogKind, dkPause);
    const int32_t timeLeft = race().TimeLeft;
    game.Frames(20);
    EXPECT_EQ(race().TimeLeft, timeLeft);
    Press(vk::Letter('P'));
    EXPECT_EQ(form().DialogKind, dkNone);
    Press(vk::Letter('P'));
    ASSERT_EQ(form().DialogKind, dkPause);
    Press(vk::Escape);
    EXPECT_EQ(form().DialogKind, dkNone) << "Esc closes the pause, and asks nothing";
    ExpectRaceMenu();
}

TEST_F(RaceDialogs, ASecondDialogIsIgnoredAndTheFirstKeepsTheMenuItSaved) {
    game.KeyDown(vk::Escape);
    game.KeyDown(vk::Letter('P'));
    game.Frame();
    EXPECT_EQ(form().DialogKind, dkExitToMenu);
    form().OpenDialog(dkPause);
    EXPECT_EQ(form().DialogKind, dkExitToMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    form().CloseDialog();
    ExpectRaceMenu();
}

TEST_F(RaceDialogs, TimedCaptionsCloseOnTheFirstFrameWithLessThanAFrameLeft) {
    const auto framesOpen = [&] {
        int frames = 0;
        const int32_t open = form().DialogKind;
        while (form().DialogKind == open && frames < 1000) {
            game.Frame(FrameMs);
            ++frames;
        }
        return frames;
    };
    form().Race->StartLevel(false);
    ASSERT_EQ(form().DialogKind, dkLevel);
    EXPECT_EQ(framesOpen(), 126) << "2000 ms: 125 whole frames, closed in the next";
    form().OpenDialog(dkGameOver);
    EXPECT_EQ(framesOpen(), 188) << "3000 ms: 187 whole frames and 8 ms";
    EXPECT_EQ(form().ScreenKind, skMainMenu);
}

TEST_F(RaceDialogs, MinimisingDuringTheLevelCaptionPausesInstead) {
    form().Race->StartLevel(false);
    ASSERT_EQ(form().DialogKind, dkLevel);
    game.Send({.Kind = platform::EventKind::Minimized});
    game.Frames(5);
    EXPECT_EQ(form().DialogKind, dkPause);
    game.Send({.Kind = platform::EventKind::Restored});
    game.Frames(200);
    EXPECT_EQ(form().DialogKind, dkPause) << "the pause waits for a key";
    Press(vk::Letter('P'));
    EXPECT_EQ(form().DialogKind, dkNone);
}

TEST_F(RaceDialogs, ThePauseResumesOnlyTheSoundsThatWerePlaying) {
    Press(vk::Letter('P'));
    ASSERT_EQ(player().EngineSound, TEngineSound::Idle) << "the race frames started the idle loop";
    const int before = ShipSoundsPlayed();
    Press(vk::Letter('P'));
    EXPECT_EQ(ShipSoundsPlayed(), before + 1) << "the engine loop only: the horn was off";

    player().PlayEngineSound(TEngineSound::Idle);
    Hold(vk::Letter('H'));
    game.Frames(3);
    ASSERT_TRUE(player().HornOn);
    const auto stopped = [&](int sound) {
        return game.Backend().AudioLog().Count(platform::AudioCallKind::SoundStop, sound);
    };
    std::vector<int> stopsBefore;
    for (int sound : ShipSounds)
        stopsBefore.push_back(stopped(sound));
    Press(vk::Letter('P'));
    for (size_t i = 0; i < ShipSounds.size(); ++i)
        EXPECT_GT(stopped(ShipSounds[i]), stopsBefore[i])
            << "the pause stops sound " << ShipSounds[i];
    const int idle = Played(EngineIdleSound);
    const int horn = Played(HornSound);
    game.KeyDown(vk::Letter('P'));
    game.Frame();
    EXPECT_EQ(Played(EngineIdleSound), idle + 1);
    EXPECT_EQ(Played(HornSound), horn + 1);
}
