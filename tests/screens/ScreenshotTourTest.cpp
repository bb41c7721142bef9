// Saves what a player sees on each menu screen to screenshots/ in the build folder, for people to
// look at. Nothing is compared with stored pictures; the checks are that the screens draw at all.

#include <filesystem>

#include "ScreenTestBase.h"

namespace {

class ScreenshotTour : public ScreenTest {
protected:
    void Save(const std::string& name) {
        std::filesystem::create_directories("screenshots");
        ASSERT_TRUE(game.SaveScreenshot("screenshots/" + name + ".png"));
        // A drawn screen is never a single colour.
        const platform::PixelImage picture = game.Backend().Screen().BackSurface().ReadAll();
        size_t differing = 0;
        for (uint32_t pixel : picture.Argb)
            differing += pixel != picture.Argb.front();
        EXPECT_GT(differing, picture.Argb.size() / 4) << name;
    }
};

TEST_F(ScreenshotTour, MenusAsThePlayerSeesThem) {
    game.Frame();
    Save("main-menu");
    OpenMainItem(3);
    Choose(11);
    game.KeyDown(platform::vk::Shift, platform::shift::Shift);
    game.Frame();
    Save("options-capturing-boss-key");
    game.KeyUp(platform::vk::Shift);
    Choose(11);
    Press(platform::vk::Escape);
    OpenMainItem(1);
    Save("ship-selection");
    Press(platform::vk::Escape);
    Press(platform::vk::Escape);
    Save("exit-question");
}

}  // namespace
