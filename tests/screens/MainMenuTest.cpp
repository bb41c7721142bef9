// The main menu as a player meets it: the intro fade, the keys, the mouse and the exit question.

#include <gtest/gtest.h>

#include <algorithm>

#include "harness/GameHarness.h"
#include "platform/Keys.h"

namespace {

using platform::AudioCallKind;
namespace vk = platform::vk;

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(game.StartedUp()); }

    // Presses a key for one frame.
    void Press(uint16_t key) {
        game.KeyDown(key);
        game.Frame();
        game.KeyUp(key);
        game.Frame();
    }
    void SkipIntro() {
        while (game.Form().MainMenu.IntroRunning())
            game.Frame();
        game.Frame();
    }
    int Played(int sound) {
        return game.Backend().AudioLog().Count(AudioCallKind::SoundPlay, sound);
    }
    TMForm& form() { return game.Form(); }

    GameHarness game;
};

TEST_F(MainMenuTest, IntroFadesTheButtonsInOverSeventyOneFramesWithItsWhoosh) {
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(Played(0), 1);
    EXPECT_EQ(game.Backend().AudioLog().Count(AudioCallKind::SongLoadFromFile), 1);
    game.Frames(70);
    EXPECT_TRUE(form().MainMenu.IntroRunning());
    EXPECT_TRUE(form().Menu.Button(6)->AlphaOn);
    EXPECT_FALSE(form().Menu.Button(1)->AlphaOn);  // the first button is already solid
    game.Frame();
    EXPECT_FALSE(form().MainMenu.IntroRunning());
    EXPECT_FALSE(form().Menu.Button(6)->AlphaOn);
    // The frame left its picture on the screen: a drawn menu is never a single colour.
    const platform::PixelImage picture = game.Backend().Screen().BackSurface().ReadAll();
    const auto differs = [&](uint32_t pixel) { return pixel != picture.Argb.front(); };
    EXPECT_GT(std::ranges::count_if(picture.Argb, differs), std::ssize(picture.Argb) / 4);
}

TEST_F(MainMenuTest, DuringTheIntroEnterOnlyClicksAndEscDoesNothing) {
    game.Frames(5);
    game.Type("\r");
    game.KeyDown(vk::Escape);
    game.Frame();
    EXPECT_EQ(Played(2), 1);
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
}

TEST_F(MainMenuTest, UpAndDownWrapAndTheFirstArrowWithNothingHighlightedPicksItemOne) {
    SkipIntro();
    EXPECT_EQ(form().Menu.MenuIndex, 1);
    Press(vk::Up);
    EXPECT_EQ(form().Menu.MenuIndex, 6);
    Press(vk::Up);
    EXPECT_EQ(form().Menu.MenuIndex, 5);
    Press(vk::Down);
    Press(vk::Down);
    EXPECT_EQ(form().Menu.MenuIndex, 1);
    const int ticks = Played(1);
    EXPECT_GE(ticks, 2);  // each change of the highlight ticks

    form().Menu.MenuIndex = 0;
    Press(vk::Down);
    EXPECT_EQ(form().Menu.MenuIndex, 1);
}

TEST_F(MainMenuTest, ExitQuestionPreselectsNoAndYesEndsTheGame) {
    SkipIntro();
    Press(vk::Escape);
    ASSERT_EQ(form().DialogKind, dkExitGame);
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    Press(vk::Right);  // already on No
    EXPECT_EQ(form().Menu.MenuIndex, 12);
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 11);
    Press(vk::Left);  // already on Yes
    EXPECT_EQ(form().Menu.MenuIndex, 11);
    Press(vk::Letter('N'));
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().Menu.MenuIndex, 1);  // given back as it was
    EXPECT_EQ(form().Menu.MenuStart, 1);
    EXPECT_EQ(form().Menu.MenuEnd, 6);

    game.Send({.Kind = platform::EventKind::CloseRequest});
    game.Frame();
    ASSERT_EQ(form().DialogKind, dkExitGame);
    game.KeyDown(vk::Letter('Y'));
    game.Frame();
    EXPECT_TRUE(form().Terminated());
}

TEST_F(MainMenuTest, HoverHighlightsAndTheMainMenuKeepsItWhenThePointerLeaves) {
    SkipIntro();
    const TMenuButton* options = form().Menu.Button(3);
    game.MouseMove(static_cast<int>(options->X) + 5, static_cast<int>(options->Y) + 5);
    game.Frame();
    EXPECT_EQ(form().Menu.MenuIndex, 3);
    game.MouseMove(5, 5);
    game.Frame();
    EXPECT_EQ(form().Menu.MenuIndex, 3);
}

}  // namespace
