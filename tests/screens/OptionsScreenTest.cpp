// The options screen: its rows and keys, the settings it toggles, the country field and the
// capture of a new boss key.

#include "ScreenTestBase.h"

namespace {

namespace vk = platform::vk;
namespace shift = platform::shift;

class OptionsTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMainItem(3);
        ASSERT_EQ(form().ScreenKind, skOptions);
    }
};

TEST_F(OptionsTest, RowsDoNotWrapAndEscGoesBackToTheOptionsButton) {
    EXPECT_EQ(form().Menu.MenuIndex, 7);
    Press(vk::Up);
    EXPECT_EQ(form().Menu.MenuIndex, 7);
    for (int i = 0; i < 6; ++i)
        Press(vk::Down);
    EXPECT_EQ(form().Menu.MenuIndex, 11);
    Press(vk::Escape);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 3);
}

TEST_F(OptionsTest, TogglesMusicSoundAndDisplay) {
    Choose(8);
    EXPECT_FALSE(form().Options.MusicOn);
    EXPECT_EQ(game.Backend().Music().PlayingSong(), 0);
    Enter();
    EXPECT_TRUE(form().Options.MusicOn);
    EXPECT_NE(game.Backend().Music().PlayingSong(), 0);

    Choose(7);
    EXPECT_TRUE(form().Options.FullScreen);
    EXPECT_TRUE(game.Backend().Screen().FullScreen());

    Choose(9);
    EXPECT_FALSE(form().Options.SoundOn);
    const int clicks = Played(2);
    Enter();  // with sound off the click of this very activation is silent
    EXPECT_EQ(Played(2), clicks);
    EXPECT_TRUE(form().Options.SoundOn);
}

TEST_F(OptionsTest, CountryTakesNameCharactersWhileEditingAndEscEndsTheEditing) {
    Choose(10);
    ASSERT_TRUE(form().OptionsScreen.CountryEdit());
    game.Type("Nor-way!\b\by");
    game.Frame();
    EXPECT_EQ(form().Options.Country, "Norwy");
    Press(vk::Down);  // no row moves while editing
    EXPECT_EQ(form().Menu.MenuIndex, 10);
    Press(vk::Escape);
    EXPECT_FALSE(form().OptionsScreen.CountryEdit());
    EXPECT_EQ(form().ScreenKind, skOptions);
    game.Type("x");
    game.Frame();
    EXPECT_EQ(form().Options.Country, "Norwy");
}

TEST_F(OptionsTest, CountryStopsAtItsWidthInTheMeasuringStyle) {
    Choose(10);
    game.Type(std::string(16, 'W'));
    game.Frame();
    const std::string country = form().Options.Country;
    EXPECT_LT(country.size(), 16u);
    // The width is checked before a character is added: one past the limit, and no more.
    EXPECT_GT(form().Text.TextWidthIn(country, 4), 345);
    EXPECT_LE(form().Text.TextWidthIn(country.substr(1), 4), 345);
}

TEST_F(OptionsTest, CaptureShowsModifiersAndTakesTheFirstFunctionKey) {
    Choose(11);
    ASSERT_TRUE(form().BossCapture);
    EXPECT_EQ(BossKeyName(form().BossKeys), "?");
    game.KeyDown(vk::Shift, shift::Shift);
    game.Frame();
    EXPECT_EQ(BossKeyName(form().BossKeys), "SHIFT+?");
    game.KeyUp(vk::Shift, 0);
    game.Frame();
    EXPECT_EQ(BossKeyName(form().BossKeys), "?");
    game.KeyDown(vk::Shift, shift::Shift);
    game.KeyDown(vk::FunctionKey(5), shift::Shift);
    game.Frame();
    EXPECT_FALSE(form().BossCapture);
    EXPECT_EQ(BossKeyName(form().BossKeys), "SHIFT+F5");
    game.KeyUp(vk::FunctionKey(5), 0);
    game.KeyUp(vk::Shift, 0);
    Enter();
    game.KeyDown(vk::F12);  // the top of the range
    game.Frame();
    EXPECT_FALSE(form().BossCapture);
    EXPECT_EQ(BossKeyName(form().BossKeys), "F12");
}

TEST_F(OptionsTest, CaptureWithoutAFunctionKeyGivesTheOldKeyBack) {
    Choose(11);
    Enter();
    EXPECT_FALSE(form().BossCapture);
    EXPECT_EQ(form().BossKeys.BossKey, vk::F12);
    EXPECT_EQ(form().BossKeys.BossModifier, 0);

    // Moving to another row ends a capture the same way.
    Enter();
    ASSERT_TRUE(form().BossCapture);
    Press(vk::Up);
    EXPECT_FALSE(form().BossCapture);
    EXPECT_EQ(form().BossKeys.BossKey, vk::F12);
}

TEST_F(OptionsTest, BossKeyInFullScreenLeavesTheGameMinimisedInAWindow) {
    Choose(7);
    ASSERT_TRUE(form().Options.FullScreen);
    game.KeyDown(vk::F12);
    game.Frame();
    EXPECT_FALSE(form().Options.FullScreen);
    EXPECT_FALSE(game.Backend().Screen().FullScreen());
    EXPECT_TRUE(game.Backend().Screen().Minimized());
    EXPECT_TRUE(form().BossMinimized);
    EXPECT_EQ(game.Backend().Music().PlayingSong(), 0);
}

TEST_F(OptionsTest, CaptureStillRunningAtExitKeepsTheOldBossKey) {
    Choose(11);
    ASSERT_TRUE(form().BossCapture);
    form().Shutdown();
    EXPECT_EQ(form().BossKeys.BossKey, vk::F12);
}

}  // namespace
