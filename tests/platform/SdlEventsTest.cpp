// The real SDL backend under a real X display (the test runs under a virtual one): SDL's own
// events, as the window system sends them, reach the game as a player expects. Pushed SDL
// events go through the same translation as the ones the X server makes.

#include <SDL.h>
#include <gtest/gtest.h>

#include "SdlWindowTest.h"

namespace {

// One window for the whole suite: SDL is started once, as in the game.
class SdlEvents : public SdlWindowTest {
protected:
    void SetUp() override {
        StartGame(1);
        for (int frame = 0; frame < 1000 && form_->MainMenu.IntroRunning(); ++frame)
            Frame();
        form_->ChooseMenuItem(3);
        ASSERT_EQ(form_->ScreenKind, skOptions);
        Frame();
    }

    // Delivers what SDL has queued, as the message loop does, then runs one frame.
    void Frame() {
        platform::InputEvent event;
        while (backend_->PollEvent(event))
            form_->HandleEvent(event);
        form_->MDXTimerTimer(16);
    }
    static void PushButton(Uint32 type, Uint8 clicks, int x, int y) {
        SDL_Event event = {};
        event.button.type = type;
        event.button.windowID = WindowId();
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = clicks;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
    static void PushKey(Uint32 type, SDL_Scancode scancode) {
        SDL_Event event = {};
        event.key.type = type;
        event.key.windowID = WindowId();
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        SDL_PushEvent(&event);
    }
    static Uint32 WindowId() {
        SDL_Window* window = SDL_GetKeyboardFocus();
        return window ? SDL_GetWindowID(window) : 1;
    }
};

}  // namespace

TEST_F(SdlEvents, ADoubleClickActivatesTheRowExactlyTwice) {
    // The Music row of the options, clicked and then clicked again within the double-click time:
    // SDL reports the second press and its release with clicks = 2.
    constexpr int X = 180, Y = 266;
    SDL_WarpMouseInWindow(nullptr, X, Y);
    SDL_Event motion = {};
    motion.motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = WindowId();
    motion.motion.x = X;
    motion.motion.y = Y;
    SDL_PushEvent(&motion);
    PushButton(SDL_MOUSEBUTTONDOWN, 1, X, Y);
    PushButton(SDL_MOUSEBUTTONUP, 1, X, Y);
    Frame();
    ASSERT_EQ(form_->Menu.MenuIndex, 8);
    EXPECT_FALSE(form_->Options.MusicOn) << "the first click turns the music off";
    PushButton(SDL_MOUSEBUTTONDOWN, 2, X, Y);
    PushButton(SDL_MOUSEBUTTONUP, 2, X, Y);
    Frame();
    EXPECT_TRUE(form_->Options.MusicOn) << "the double click turns it on again, once";
}

TEST_F(SdlEvents, AKeyTappedBetweenTwoFramesIsPressedForOneFrame) {
    ASSERT_EQ(form_->Menu.MenuIndex, 7);
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_DOWN);
    PushKey(SDL_KEYUP, SDL_SCANCODE_DOWN);
    Frame();
    EXPECT_EQ(form_->Menu.MenuIndex, 8);
    Frame();
    EXPECT_EQ(form_->Menu.MenuIndex, 8) << "the tap counts once";
}

TEST_F(SdlEvents, ThePointerOverTheWindowIsAHand) {
    SDL_Cursor* hand = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    if (!hand)
        GTEST_SKIP() << "this video driver has no system pointers: " << SDL_GetError();
    SDL_FreeCursor(hand);
    EXPECT_NE(SDL_GetCursor(), SDL_GetDefaultCursor());
}

TEST_F(SdlEvents, AGamepadPluggedInWhileTheGameRunsDrivesTheMenusUntilItIsPulledOut) {
    SDL_VirtualJoystickDesc pad = {};
    pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    pad.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    pad.naxes = SDL_CONTROLLER_AXIS_MAX;
    pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    pad.name = "Test pad";
    const int device = SDL_JoystickAttachVirtualEx(&pad);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* joystick = SDL_JoystickOpen(device);
    ASSERT_NE(joystick, nullptr);
    Frame();  // the game sees the pad arrive
    // A tap of a button between two frames, as a player's thumb gives it.
    const auto tap = [&](SDL_GameControllerButton button) {
        SDL_JoystickSetVirtualButton(joystick, button, 1);
        SDL_JoystickUpdate();
        SDL_JoystickSetVirtualButton(joystick, button, 0);
        SDL_JoystickUpdate();
        Frame();
        Frame();
    };
    ASSERT_EQ(form_->Menu.MenuIndex, 7);
    tap(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(form_->Menu.MenuIndex, 8);
    tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(form_->Options.MusicOn) << "A accepts the highlighted Music row";
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 32767);  // the stick down
    SDL_JoystickUpdate();
    Frame();
    EXPECT_EQ(form_->Menu.MenuIndex, 9);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, 0);
    SDL_JoystickUpdate();
    tap(SDL_CONTROLLER_BUTTON_B);
    EXPECT_EQ(form_->ScreenKind, skMainMenu) << "B goes back";

    SDL_JoystickClose(joystick);
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
    Frame();
    Frame();  // the pad has gone; the keyboard goes on as before
    PushKey(SDL_KEYDOWN, SDL_SCANCODE_DOWN);
    PushKey(SDL_KEYUP, SDL_SCANCODE_DOWN);
    Frame();
    EXPECT_EQ(form_->Menu.MenuIndex, 4);
}
