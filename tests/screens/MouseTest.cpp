// The mouse on the menus: hovering ticks, a click carries out the button under the pointer, and
// from a sub-screen a click on another main-menu button jumps straight there.

#include "ScreenTestBase.h"

namespace {

class MouseTest : public ScreenTest {
protected:
    // Moves the pointer onto the button, lets a frame see it there, then clicks.
    void ClickOn(const TMenuButton* button) {
        const int32_t x = static_cast<int32_t>(button->X) + 10;
        const int32_t y = static_cast<int32_t>(button->Y) + 10;
        game.MouseMove(x, y);
        game.Frame();
        game.Click(x, y);
        game.Frame();
    }
};

TEST_F(MouseTest, AClickDuringTheIntroOnlyClicks) {
    GameHarness fresh;
    fresh.Frames(3);
    const TMenuButton* options = fresh.Form().Menu.Button(3);
    fresh.Click(static_cast<int32_t>(options->X) + 10, static_cast<int32_t>(options->Y) + 10);
    fresh.Frame();
    EXPECT_EQ(fresh.Form().ScreenKind, skMainMenu);
    EXPECT_EQ(fresh.Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, 2), 1);
    EXPECT_EQ(fresh.Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, 1), 0);
}

TEST_F(MouseTest, HoverTicksOnceAndAClickOpensTheButtonsScreen) {
    const int ticks = Played(1);
    const TMenuButton* options = form().Menu.Button(3);
    game.MouseMove(static_cast<int32_t>(options->X) + 10, static_cast<int32_t>(options->Y) + 10);
    game.MouseMove(static_cast<int32_t>(options->X) + 12, static_cast<int32_t>(options->Y) + 10);
    game.Frame();
    EXPECT_EQ(Played(1), ticks + 1);
    ClickOn(options);
    EXPECT_EQ(form().ScreenKind, skOptions);
}

TEST_F(MouseTest, FromASubScreenAnotherMainButtonJumpsThereAndItsOwnDoesNothing) {
    OpenMainItem(3);
    ASSERT_EQ(form().ScreenKind, skOptions);
    ClickOn(form().Menu.Button(3));
    EXPECT_EQ(form().ScreenKind, skOptions);

    ClickOn(form().Menu.Button(1));
    EXPECT_EQ(form().ScreenKind, skShipSelect);
    EXPECT_TRUE(form().Menu.Button(1)->Highlighted);
    EXPECT_FALSE(form().Menu.Button(3)->Highlighted);
}

TEST_F(MouseTest, ADoubleClickActivatesTwice) {
    OpenMainItem(1);
    const TMenuButton* next = form().Menu.Button(8);
    game.MouseMove(static_cast<int32_t>(next->X) + 10, static_cast<int32_t>(next->Y) + 10);
    game.Frame();
    const int swishes = Played(3);
    game.Send({.Kind = platform::EventKind::Click});
    game.Send({.Kind = platform::EventKind::DoubleClick});
    game.Frame();
    EXPECT_EQ(Played(3), swishes + 2);  // the second activation only clicks: the fade runs
}

TEST_F(MouseTest, AltEnterSwitchesToFullScreenAndBack) {
    game.KeyDown(platform::vk::Return, platform::shift::Alt);
    game.Frame();
    EXPECT_TRUE(form().Options.FullScreen);
    EXPECT_TRUE(game.Backend().Screen().FullScreen());
    EXPECT_EQ(form().ScreenKind, skMainMenu);  // Alt+Enter is not a typed Enter
    game.KeyDown(platform::vk::Return, platform::shift::Alt);
    game.Frame();
    EXPECT_FALSE(game.Backend().Screen().FullScreen());
}

}  // namespace
