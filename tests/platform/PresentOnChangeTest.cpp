// The frame loop presents a frame only when its picture changed: a still screen costs nothing,
// and the game's logic still runs every frame.

#include <gtest/gtest.h>

#include "harness/GameHarness.h"
#include "platform/Keys.h"

namespace {

TEST(PresentOnChange, AStillMenuPresentsOnceAndAMovedHighlightPresentsOnTheNextFrame) {
    GameHarness game;
    while (game.Form().MainMenu.IntroRunning())
        game.Frame();
    game.Frames(2);  // the buttons' last fade step shows on the frame after the intro ends
    const int presented = game.Backend().Screen().PresentCount();
    const int frames = game.Backend().Screen().FrameCount();
    game.Frames(30);
    EXPECT_EQ(game.Backend().Screen().PresentCount(), presented) << "the still menu";
    EXPECT_EQ(game.Backend().Screen().FrameCount(), frames + 30) << "every frame still runs";

    const int32_t item = game.Form().Menu.MenuIndex;
    game.KeyDown(platform::vk::Down);
    game.Frame();
    game.KeyUp(platform::vk::Down);
    ASSERT_NE(game.Form().Menu.MenuIndex, item);
    // The key is read after the tree is drawn and the highlight takes the new index in its own
    // move, so the picture changes two frames after the key, and is presented on that frame.
    game.Frame();
    EXPECT_EQ(game.Backend().Screen().PresentCount(), presented);
    game.Frame();
    EXPECT_EQ(game.Backend().Screen().PresentCount(), presented + 1);
    game.Frames(10);
    EXPECT_EQ(game.Backend().Screen().PresentCount(), presented + 1) << "still again";
}

}  // namespace
