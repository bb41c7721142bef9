// The three ways of drawing a pattern, checked by reading pixels back from the headless surface:
// where the rotation pivot lands and which way it turns, opacity, the colour key, clipping.

#include <gtest/gtest.h>

#include "engine/ImageList.h"
#include "harness/ImageListTestFiles.h"
#include "harness/TestPictures.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

class DrawGeometry : public ::testing::Test {
protected:
    DrawGeometry() : surface(display.BackSurface()) {
        // A ship-like 20 x 40 picture: red nose half on top, blue tail half below.
        platform::PixelImage ship = SolidImage(20, 40, 0xFF000000 | Blue);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                ship.At(x, y) = 0xFF000000 | Red;
        item = MakeItem(surface, ship);
        surface.Clear(0);
    }

    platform::HeadlessDisplay display;
    platform::Surface& surface;
    std::unique_ptr<TImageItem> item;
};

TEST_F(DrawGeometry, AQuarterTurnPointsTheNoseRightAboutTheCentre) {
    item->DrawPatternRotated(surface, 400, 300, 20, 40, 0, 0.5, 0.5, 64);
    EXPECT_EQ(surface.ReadPixel(415, 300), Red);   // the nose, right of the pivot
    EXPECT_EQ(surface.ReadPixel(385, 300), Blue);  // the tail, left of it
    EXPECT_EQ(surface.ReadPixel(400, 285), 0u);    // nothing left above: the picture lies flat
}

TEST_F(DrawGeometry, AngleCountsOnlyItsLowEightBits) {
    item->DrawPatternRotated(surface, 400, 300, 20, 40, 0, 0.5, 0.5, 256);
    EXPECT_EQ(surface.ReadPixel(400, 285), Red);  // 256 is a whole turn: nose up
    EXPECT_EQ(surface.ReadPixel(400, 315), Blue);
    surface.Clear(0);
    item->DrawPatternRotated(surface, 400, 300, 20, 40, 0, 0.5, 0.5, 128 + 256 * 3);
    EXPECT_EQ(surface.ReadPixel(400, 315), Red);  // half a turn: nose down
}

TEST_F(DrawGeometry, PivotOutsideThePatternAndScaling) {
    // Pivot 1.5 heights down: the doubled 40 x 80 picture spans y = 300 - 120 .. 300 - 40.
    item->DrawPatternRotated(surface, 400, 300, 40, 80, 0, 0.5, 1.5, 0);
    EXPECT_EQ(surface.ReadPixel(400, 200), Red);
    EXPECT_EQ(surface.ReadPixel(400, 250), Blue);
    EXPECT_EQ(surface.ReadPixel(400, 270), 0u);
    EXPECT_EQ(surface.ReadPixel(381, 200), Red);  // 40 wide: x 380..419
    EXPECT_EQ(surface.ReadPixel(421, 200), 0u);
    // A quarter turn about that far pivot swings the picture to the right of (400, 300).
    surface.Clear(0);
    item->DrawPatternRotated(surface, 400, 300, 40, 80, 0, 0.5, 1.5, 64);
    EXPECT_EQ(surface.ReadPixel(500, 300), Red);
    EXPECT_EQ(surface.ReadPixel(460, 300), Blue);
    EXPECT_EQ(surface.ReadPixel(400, 200), 0u);
    // No size draws nothing.
    surface.Clear(0);
    item->DrawPatternRotated(surface, 400, 300, 0, 80, 0, 0.5, 0.5, 0);
    EXPECT_EQ(surface.ReadPixel(400, 300), 0u);
}

TEST_F(DrawGeometry, AlphaBlendsScalesAndSkipsZero) {
    item->DrawPatternAlpha(surface, {100, 100, 140, 180}, 0, 0);
    EXPECT_EQ(surface.ReadPixel(110, 110), 0u);
    item->DrawPatternAlpha(surface, {100, 100, 140, 180}, 0, 255);
    EXPECT_EQ(surface.ReadPixel(139, 139), Red);  // scaled 2x: the red half is 40 tall
    EXPECT_EQ(surface.ReadPixel(139, 141), Blue);
    surface.Clear(0);
    item->DrawPatternAlpha(surface, {100, 100, 140, 180}, 0, 128);
    const uint32_t half = surface.ReadPixel(110, 110);
    EXPECT_NEAR(static_cast<int>(half >> 16), 128, 8);  // 16-bit surface: red has 5 bits
    EXPECT_EQ(half & 0xFFFF, 0u);
}

TEST_F(DrawGeometry, InvalidPatternsDrawNothingAndEdgesClip) {
    item->DrawPattern(surface, 100, 100, 1);
    item->DrawPattern(surface, 100, 100, -1);
    EXPECT_EQ(surface.ReadPixel(105, 105), 0u);
    item->DrawPattern(surface, 790, 580, 0);
    EXPECT_EQ(surface.ReadPixel(799, 599), Red);
    item->DrawPattern(surface, -15, -5, 0);
    EXPECT_EQ(surface.ReadPixel(0, 0), Red);
    EXPECT_EQ(surface.ReadPixel(4, 34), Blue);
}

TEST(ColourKey, KeyColouredPixelsAreNeverDrawnByAnyOperation) {
    platform::HeadlessDisplay display;
    platform::Surface& surface = display.BackSurface();
    ImageRecord keyed = SolidRecord(10, 10, 0xFFFF00FF);
    keyed.Transparent = true;
    keyed.TransparentColor = 0xFF00FF;
    ImageRecord plain = SolidRecord(10, 10, 0xFFFF00FF);
    TImageList list;
    list.LoadFromBytes(Serialized({keyed, plain}), "test", surface);

    surface.Clear(0x00FF00);
    const uint32_t green = surface.ReadPixel(5, 5);  // as the 16-bit surface stores it
    list.Items(0).DrawPattern(surface, 0, 0, 0);
    list.Items(0).DrawPatternAlpha(surface, {20, 0, 30, 10}, 0, 128);
    list.Items(0).DrawPatternRotated(surface, 45, 5, 10, 10, 0, 0.5, 0.5, 32);
    list.Items(1).DrawPattern(surface, 60, 0, 0);
    EXPECT_EQ(surface.ReadPixel(5, 5), green);
    EXPECT_EQ(surface.ReadPixel(25, 5), green);
    EXPECT_EQ(surface.ReadPixel(45, 5), green);
    EXPECT_EQ(surface.ReadPixel(65, 5), 0xFF00FFu);  // without transparency the colour shows
}

}  // namespace
