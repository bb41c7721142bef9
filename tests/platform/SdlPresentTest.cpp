// What the real window shows is exactly the picture the headless backend draws, on the present
// path that ZORVEX_PRESENT chose for this run (CTest runs this file once per path). The window
// game and a headless game are built with the same seed and stepped side by side; after every
// step the window's pixels, read back from the window surface or the renderer, must equal the
// headless surface's. The steps change the whole picture and parts of it, so a wrong changed
// rectangle leaves stale pixels that the comparison finds.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "SdlWindowTest.h"
#include "harness/GameHarness.h"
#include "platform/sdl/SdlDisplay.h"

namespace {

class SdlPresent : public SdlWindowTest {
protected:
    void SetUp() override {
        StartGame(Seed);
        headless_.Backend().Screen().SetRefreshRate(Display().RefreshRate());
        ASSERT_TRUE(headless_.Form().FormCreate());
        while (form_->MainMenu.IntroRunning() || headless_.Form().MainMenu.IntroRunning())
            Frames(1);
    }

    static platform::sdl::SdlDisplay& Display() {
        return dynamic_cast<platform::sdl::SdlDisplay&>(backend_->GetDisplay());
    }
    // Both games, the same step.
    template <typename Step>
    void Both(Step step) {
        step(*form_);
        step(headless_.Form());
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i)
            Both([](TMForm& form) { form.MDXTimerTimer(16); });
    }
    // The number of pixels where the window differs from the headless picture.
    int DifferingPixels() {
        const std::vector<uint32_t> shown = Display().ReadShown();
        const platform::PixelImage drawn = headless_.Backend().Screen().BackSurface().ReadAll();
        if (shown.size() != drawn.Argb.size())
            return -1;
        int differing = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            differing += shown[i] != (drawn.Argb[i] & 0xFFFFFF);
        return differing;
    }

    static constexpr uint32_t Seed = 3;
    GameHarness headless_{Seed, false};
};

TEST_F(SdlPresent, ThePathIsTheOneAskedFor) {
    const char* forced = std::getenv("ZORVEX_PRESENT");
    ASSERT_NE(forced, nullptr) << "CTest runs this test with ZORVEX_PRESENT set";
    const std::string path = Display().PresentPath();
    if (std::string(forced) == "gpu")
        EXPECT_EQ(path.find("an accelerated renderer"), 0u) << path;
    else
        EXPECT_EQ(path, "the window surface");
}

TEST_F(SdlPresent, MenuDialogShipSelectionAndRaceShowTheHeadlessPicture) {
    EXPECT_EQ(DifferingPixels(), 0) << "the main menu";
    Both([](TMForm& form) { form.OpenDialog(dkExitGame); });
    Frames(2);
    EXPECT_EQ(DifferingPixels(), 0) << "the exit question over the menu";
    Both([](TMForm& form) { form.CloseDialog(); });
    Frames(2);
    EXPECT_EQ(DifferingPixels(), 0) << "the menu again, where the question was";
    Both([](TMForm& form) { form.ChooseMenuItem(1); });
    Frames(60);
    EXPECT_EQ(DifferingPixels(), 0) << "ship selection";
    Both([](TMForm& form) { form.ChooseMenuItem(9); });
    ASSERT_EQ(form_->ScreenKind, skRace);
    Frames(200);
    EXPECT_EQ(DifferingPixels(), 0) << "the race";
}

TEST_F(SdlPresent, TheOptionsShowTheHeadlessPicture) {
    Both([](TMForm& form) { form.ChooseMenuItem(3); });
    Frames(30);
    ASSERT_EQ(form_->ScreenKind, skOptions);
    EXPECT_EQ(DifferingPixels(), 0);
}

}  // namespace
