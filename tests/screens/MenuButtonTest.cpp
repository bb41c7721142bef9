// Menu buttons, the highlight model shared by screens and dialogs, and the blinking cursor.

#include <gtest/gtest.h>

#include "harness/ImageListTestFiles.h"
#include "platform/headless/HeadlessBackend.h"
#include "screens/MenuState.h"
#include "screens/MyCursor.h"

namespace {

class MenuTest : public ::testing::Test {
protected:
    MenuTest() {
        engine.SetSurface(&display.BackSurface());
        // Image 0: a two-pattern button (0 highlighted, 1 normal); image 1: another look.
        lists[0].LoadFromBytes(
            Serialized({SolidRecord(100, 60, 0xFF203040, 100, 30), SolidRecord(120, 30, 0xFF405060),
                        SolidRecord(4, 24, 0xFFFFFFFF)}),
            "list1", display.BackSurface());
    }

    TMenuButton* AddButton(int32_t item, double x, double y, int32_t highImage = 0) {
        auto* button = NewSprite<TMenuButton>(services, 1, y, x, 1, 0, 0, highImage);
        menu.MenuButtons[item] = button;
        return button;
    }

    platform::HeadlessDisplay display;
    TSpriteEngine engine;
    std::array<TImageList, 3> lists;
    TFrameTiming timing;
    TRandom random{1};
    TGameServices services{engine, lists, timing, random};
    TMenuState menu;
};

TEST_F(MenuTest, LooksChangeOnlyWhenTheHighlightChanges) {
    TMenuButton* first = AddButton(7, 0, 0, 1);
    TMenuButton* second = AddButton(8, 0, 40);
    menu.MenuStart = 7;
    menu.MenuEnd = 8;
    menu.MenuIndex = 7;
    EXPECT_TRUE(menu.UpdateHighlight(false, 0, 0));
    EXPECT_EQ(first->ImageItem, &lists[0].Items(1));  // the highlighted image
    EXPECT_TRUE(first->Highlighted);
    // Something else moves the highlighted button's pattern: the next update leaves it alone.
    first->FramePos = 0.4;
    EXPECT_FALSE(menu.UpdateHighlight(false, 0, 0));
    EXPECT_DOUBLE_EQ(first->FramePos, 0.4);

    menu.MenuIndex = 8;
    EXPECT_TRUE(menu.UpdateHighlight(false, 0, 0));
    EXPECT_EQ(first->ImageItem, &lists[0].Items(0));
    EXPECT_DOUBLE_EQ(first->FramePos, 1);
    EXPECT_DOUBLE_EQ(second->FramePos, 0);

    menu.MenuIndex = 3;  // outside the screen's items: nothing highlighted
    EXPECT_FALSE(menu.UpdateHighlight(false, 0, 0));
    EXPECT_FALSE(second->Highlighted);
}

TEST_F(MenuTest, DialogZButtonsRiseToSeventeenWhenHighlighted) {
    TMenuButton* yes = AddButton(11, 275, 314);
    TMenuButton* no = AddButton(12, 401, 314);
    yes->SetZ(15);
    no->SetZ(15);
    yes->DialogZ = no->DialogZ = true;
    menu.MenuStart = 11;
    menu.MenuEnd = 12;
    menu.MenuIndex = 12;
    menu.UpdateHighlight(false, 0, 0);
    EXPECT_EQ(no->Z(), 17);
    EXPECT_EQ(yes->Z(), 15);
    menu.MenuIndex = 11;
    menu.UpdateHighlight(false, 0, 0);
    EXPECT_EQ(no->Z(), 15);
    EXPECT_EQ(yes->Z(), 17);
}

TEST_F(MenuTest, HitSizeOverridesTheImageAndMainHoverFindsTheFirstMainButton) {
    TMenuButton* row = AddButton(7, 100, 200);
    row->HitWidth = 300;
    EXPECT_TRUE(row->Hit(390, 215));  // beyond the 100-pixel image, inside the hot spot
    EXPECT_TRUE(row->Hit(400, 230));  // edges included
    EXPECT_FALSE(row->Hit(401, 215));

    AddButton(1, 600, 100);
    AddButton(2, 600, 100);  // overlaps item 1: the first one wins
    menu.MenuStart = 7;
    menu.MenuEnd = 7;
    menu.UpdateHighlight(true, 650, 110);
    EXPECT_EQ(menu.MainHover, 1);
    menu.UpdateHighlight(false, 650, 110);
    EXPECT_EQ(menu.MainHover, 0);
}

TEST_F(MenuTest, KillMenuButtonsKillsOnlyTheCurrentItems) {
    TMenuButton* main = AddButton(1, 0, 0);
    TMenuButton* sub = AddButton(7, 0, 0);
    menu.MenuStart = 7;
    menu.MenuEnd = 9;  // item 8 and 9 have no button
    menu.KillMenuButtons();
    EXPECT_TRUE(sub->IsDead);
    EXPECT_FALSE(main->IsDead);
}

TEST_F(MenuTest, CursorBlinksWhileAdvancedAndHidesOnTheNextAdvanceWhenStopped) {
    timing.FrameTime = 100;
    auto* cursor = NewSprite<TMyCursor>(services, 1, 600, 15, 322, 275, 2);
    EXPECT_FALSE(cursor->Visible);
    cursor->Blinking = 1;
    cursor->Advance(100);  // BlinkLeft 0: flips at once
    EXPECT_TRUE(cursor->Visible);
    for (int i = 0; i < 6; ++i)
        cursor->Advance(100);  // 600 ms counted down
    EXPECT_TRUE(cursor->Visible);
    cursor->Advance(100);
    EXPECT_FALSE(cursor->Visible);
    cursor->Advance(100);  // 600 ms more before the next change
    cursor->Advance(100);
    EXPECT_FALSE(cursor->Visible);

    for (int i = 0; i < 5; ++i)
        cursor->Advance(100);
    EXPECT_TRUE(cursor->Visible);
    cursor->Blinking = 0;
    EXPECT_TRUE(cursor->Visible);  // not at once
    cursor->Advance(100);
    EXPECT_FALSE(cursor->Visible);
}

}  // namespace
