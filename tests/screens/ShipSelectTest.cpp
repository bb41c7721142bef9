// Ship selection: stepping through the five ships with the cross-fade, and starting a race.

#include "ScreenTestBase.h"

namespace {

namespace vk = platform::vk;

class ShipSelectTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMainItem(1);
        ASSERT_EQ(form().ScreenKind, skShipSelect);
    }
    void FinishFade() {
        while (form().ShipSelect.Fading())
            game.Frame();
    }
};

TEST_F(ShipSelectTest, StartIsHighlightedFirstAndArrowsMoveBetweenTheButtons) {
    EXPECT_EQ(form().Menu.MenuIndex, 9);
    Press(vk::Up);
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    // Left and Right tapped between two frames both count, each step seeing the one before it:
    // 8 -> 7 -> 8, and no ship is stepped.
    for (uint16_t key : {vk::Left, vk::Right}) {
        game.KeyDown(key);
        game.KeyUp(key);
    }
    game.Frame();
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    EXPECT_FALSE(form().ShipSelect.Fading());
    game.Frame();  // both keys are seen released
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 7);
    Press(vk::Down);
    EXPECT_EQ(form().Menu.MenuIndex, 9);
}

TEST_F(ShipSelectTest, PreviousFromShipOneWrapsToFiveAndNextFromFiveToOne) {
    Choose(7);
    EXPECT_TRUE(form().ShipSelect.Fading());
    EXPECT_EQ(form().ShipSelect.ShipType, 1);  // the old ship until the fade ends
    FinishFade();
    EXPECT_EQ(form().ShipSelect.ShipType, 5);
    Choose(8);
    FinishFade();
    EXPECT_EQ(form().ShipSelect.ShipType, 1);
    EXPECT_GE(Played(3), 2);
}

TEST_F(ShipSelectTest, ASecondPressDuringTheFadeOnlyClicks) {
    Choose(8);
    const int clicks = Played(3);
    Enter();
    EXPECT_EQ(Played(3), clicks + 1);
    FinishFade();
    EXPECT_EQ(form().ShipSelect.ShipType, 2);
    game.Frame();
    EXPECT_FALSE(form().ShipSelect.Fading());
}

TEST_F(ShipSelectTest, TheFadeTakesTwentySixFrames) {
    Choose(8);  // the activation's frame already faded once
    int frames = 1;
    while (form().ShipSelect.Fading()) {
        game.Frame();
        ++frames;
    }
    EXPECT_EQ(frames, 26);
}

TEST_F(ShipSelectTest, ChosenShipStaysWhenComingBackAndEscReturnsToItemOne) {
    Choose(8);
    FinishFade();
    Press(vk::Escape);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 1);
    OpenMainItem(1);
    EXPECT_EQ(form().ShipSelect.ShipType, 2);
}

TEST_F(ShipSelectTest, StartBeginsTheRaceWithTheChosenShip) {
    Choose(8);
    FinishFade();
    Choose(9);
    EXPECT_EQ(form().ScreenKind, skRace);
    ASSERT_TRUE(form().Race);
    EXPECT_EQ(form().Race->State().ShipType, 2);
    EXPECT_EQ(form().DialogKind, dkLevel);
}

}  // namespace
