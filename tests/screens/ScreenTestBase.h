#pragma once
// A started game past its intro, with helpers to press keys as a player does.

#include <gtest/gtest.h>

#include "harness/GameHarness.h"
#include "platform/Keys.h"

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(game.StartedUp());
        while (game.Form().MainMenu.IntroRunning())
            game.Frame();
        game.Frame();
    }

    // Holds a key for one frame, then lets it go for one.
    void Press(uint16_t key, uint8_t shift = 0) {
        game.KeyDown(key, shift);
        game.Frame();
        game.KeyUp(key, shift);
        game.Frame();
    }
    void Enter() {
        game.Type("\r");
        game.Frame();
    }
    // Highlights item for a frame, as the keys or the pointer would, then presses Enter on it.
    void Choose(int32_t item) {
        game.Form().Menu.MenuIndex = item;
        game.Frame();
        Enter();
    }
    void OpenMainItem(int32_t item) { Choose(item); }
    int Played(int sound) {
        return game.Backend().AudioLog().Count(platform::AudioCallKind::SoundPlay, sound);
    }
    TMForm& form() { return game.Form(); }

    GameHarness game;
};
