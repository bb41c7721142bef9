// The high-score screen and the help pages as a player meets them.

#include "ScreenTestBase.h"
#include "engine/ImageSprite.h"
#include "save/SavedData.h"

namespace {

namespace vk = platform::vk;

class HighScoresScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMainItem(4);
        ASSERT_EQ(form().ScreenKind, skHighScores);
    }
    // The texts of table row n (1..10): place, name, score.
    std::vector<TPlacedText> Row(int n) {
        const std::vector<TPlacedText> texts = form().HighScoresScreen.TableTexts();
        const auto first = texts.begin() + 3 * n;
        return {first, first + 3};
    }
};

class HelpScreenTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        OpenMainItem(2);
        ASSERT_EQ(form().ScreenKind, skHelp);
    }
    int32_t Page() { return form().HelpScreen.HelpPage; }
    // How many of the page-2 pictures (images 55..62 of list 1) and logos (image 50) are shown.
    std::pair<int, int> VisibleObjectsAndLogo() {
        const TImageList& list = form().MDXImageLists[0];
        const TSprite& root = form().MDXSpriteEngine.Engine();
        int objects = 0, logo = 0;
        for (int i = 0; i < root.ChildCount(); ++i) {
            const auto* image = dynamic_cast<const TImageSprite*>(root.Child(i));
            if (!image || !image->Visible || image->IsDead)
                continue;
            for (int index = 55; index <= 62; ++index)
                objects += image->ImageItem == &list.Items(index);
            logo += image->ImageItem == &list.Items(50);
        }
        return {objects, logo};
    }
};

}  // namespace

TEST_F(HighScoresScreenTest, OpensOnTheWorldPageButtonAndTheArrowsStopAtTheEnds) {
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    Press(vk::Right);
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 7);
    Press(vk::Left);
    EXPECT_EQ(form().Menu.MenuIndex, 7);
    Press(vk::Escape);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 4);
}

TEST_F(HighScoresScreenTest, TheTableShowsEveryEntryAndAnEmptyNameAsAnEmptyCell) {
    form().Saved.HighScores[2] = {"", 8000};
    game.Frame();
    EXPECT_EQ(Row(1), (std::vector<TPlacedText>{
                          {"1", 2, 70, 230}, {"ANONYMOUS", 2, 224, 230}, {"10000", 17, 382, 230}}));
    EXPECT_EQ(Row(3)[1], (TPlacedText{"", 2, 224, 282}));
    EXPECT_EQ(Row(3)[2].Text, "8000");
    EXPECT_EQ(Row(10)[2], (TPlacedText{"1000", 17, 382, 464}));
    const std::vector<TPlacedText> texts = form().HighScoresScreen.TableTexts();
    EXPECT_EQ(texts[0], (TPlacedText{"Place", 0, 70, 204})) << "headers keep the last style";
}

TEST_F(HighScoresScreenTest, YesToTheClearQuestionShowsTheDefaultsAndSavesThemWithTheirCheck) {
    form().Saved.HighScores[0] = {"CHAMPION", 99999};
    Choose(7);
    ASSERT_EQ(form().DialogKind, dkClearScores);
    EXPECT_EQ(form().Menu.MenuIndex, 12) << "No preselected";
    Press(vk::Letter('Y'));
    EXPECT_EQ(form().DialogKind, dkNone);
    EXPECT_EQ(form().ScreenKind, skHighScores);
    EXPECT_EQ(Row(1)[1].Text, "ANONYMOUS");
    EXPECT_EQ(Row(1)[2].Text, "10000");

    form().Shutdown();
    TSavedData saved(game.SaveFolder());
    saved.LoadAll();
    EXPECT_TRUE(saved.HighScoresValid());
    EXPECT_EQ(saved.HighScores, DefaultHighScores());
}

TEST_F(HelpScreenTest, OpensOnPageOneWithNextHighlightedAndWrapsBothWays) {
    EXPECT_EQ(Page(), 1);
    EXPECT_EQ(form().Menu.MenuIndex, 8);
    Press(vk::Right);
    EXPECT_EQ(Page(), 2);
    Choose(7);
    Choose(7);
    EXPECT_EQ(Page(), 5) << "previous on page 1 shows the about page";
    Choose(8);
    EXPECT_EQ(Page(), 1) << "next on page 5 shows the overview";
    Press(vk::Escape);
    EXPECT_EQ(form().ScreenKind, skMainMenu);
    EXPECT_EQ(form().Menu.MenuIndex, 2);
    OpenMainItem(2);
    EXPECT_EQ(Page(), 1) << "every visit starts on page 1";
}

TEST_F(HelpScreenTest, ObjectsShowOnlyOnPageTwoAndTheLogoOnlyOnPageFive) {
    const std::pair<int, int> expected[5] = {{0, 0}, {8, 0}, {0, 0}, {0, 0}, {0, 1}};
    for (int page = 1; page <= 5; ++page) {
        game.Frame();
        EXPECT_EQ(VisibleObjectsAndLogo(), expected[page - 1]) << "page " << page;
        Choose(8);
    }
}

TEST_F(HelpScreenTest, EveryPageDrawsItsLinesLeftAlignedWhereTheyBelong) {
    using Texts = std::vector<TPlacedText>;
    const Texts overview = THelpScreen::PageTexts(1);
    ASSERT_EQ(overview.size(), 12u);
    EXPECT_EQ(overview[0], (TPlacedText{"GAME OVERVIEW", 19, 15, 220, false}));
    EXPECT_EQ(overview[1],
              (TPlacedText{"  The game \"Zorvex\" welcomes you to the", 20, 17, 250, false}));
    EXPECT_EQ(overview[11], (TPlacedText{"  Are you ready for a battle? Go!", 20, 17, 450, false}));

    const Texts objects = THelpScreen::PageTexts(2);
    ASSERT_EQ(objects.size(), 8u);
    EXPECT_EQ(objects[7], (TPlacedText{"Asteroids", 21, 310, 396, false}));

    const Texts menuKeys = THelpScreen::PageTexts(3);
    ASSERT_EQ(menuKeys.size(), 9u);
    EXPECT_EQ(menuKeys[1], (TPlacedText{"MENU NAVIGATIONS", 21, 17, 250, false}));
    EXPECT_EQ(menuKeys[8], (TPlacedText{"Press \"Esc\" to back from the submenu to Main Menu.", 20,
                                        17, 395, false}));

    const Texts gameKeys = THelpScreen::PageTexts(4);
    ASSERT_EQ(gameKeys.size(), 12u);
    EXPECT_EQ(gameKeys[0].Text, "CONTROLS");
    EXPECT_EQ(gameKeys[10], (TPlacedText{"\"Alt\"+\"Enter\" keys to change window/full screen", 20,
                                         17, 435, false}));

    const Texts about = THelpScreen::PageTexts(5);
    ASSERT_EQ(about.size(), 4u);
    EXPECT_EQ(about[1], (TPlacedText{"ZORVEX", 23, 160, 305, false}));
    EXPECT_EQ(about[3].X, 150);
}
