// The tiled background drawn on the headless surface, read back pixel by pixel.

#include <gtest/gtest.h>

#include "engine/BackgroundSprite.h"
#include "engine/SpriteEngine.h"
#include "harness/TestPictures.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr uint32_t Red = 0xFF0000;
constexpr uint32_t Blue = 0x0000FF;

TEST(BackgroundDraw, OneByOneWrappingMapFillsTheSurfaceShiftedByThePosition) {
    platform::HeadlessDisplay display;
    platform::Surface& surface = display.BackSurface();
    // A 10 x 10 cell: red with a blue top-left pixel, so the tiling phase is visible.
    platform::PixelImage cell = SolidImage(10, 10, 0xFF000000 | Red);
    cell.At(0, 0) = 0xFF000000 | Blue;
    auto item = MakeItem(surface, cell);

    TSpriteEngine engine;
    engine.SetSurface(&surface);
    auto* background = NewSprite<TBackgroundSprite>(&engine);
    background->SetMapSize(1, 1);
    background->SetImageItem(item.get());
    background->WrapAround = true;
    background->X = -23;  // phase -3 in x: blue pixels at x = 7, 17, ...
    background->Y = 4;    // phase 4 in y: blue pixels at y = 4, 14, ...
    surface.Clear(0);
    engine.Draw();

    EXPECT_EQ(surface.ReadPixel(7, 4), Blue);
    EXPECT_EQ(surface.ReadPixel(797, 594), Blue);
    EXPECT_EQ(surface.ReadPixel(8, 4), Red);
    EXPECT_EQ(surface.ReadPixel(0, 0), Red);
    EXPECT_EQ(surface.ReadPixel(799, 599), Red);
}

TEST(BackgroundDraw, UnwrappedMapDrawsOnlyItsOwnCellsAndLeavesNegativeChipsEmpty) {
    platform::HeadlessDisplay display;
    platform::Surface& surface = display.BackSurface();
    auto item = MakeItem(surface, SolidImage(10, 10, 0xFF000000 | Red));

    TSpriteEngine engine;
    engine.SetSurface(&surface);
    auto* background = NewSprite<TBackgroundSprite>(&engine);
    background->SetMapSize(3, 2);
    background->SetImageItem(item.get());
    background->SetChipAt(1, 0, -1);
    background->X = -5;
    background->Y = 100;
    surface.Clear(0);
    engine.Draw();

    EXPECT_EQ(surface.ReadPixel(0, 100), Red);   // cell (0, 0), half off the left edge
    EXPECT_EQ(surface.ReadPixel(10, 100), 0u);   // cell (1, 0) is empty
    EXPECT_EQ(surface.ReadPixel(20, 119), Red);  // cell (2, 1)
    EXPECT_EQ(surface.ReadPixel(25, 100), 0u);   // past the map
    EXPECT_EQ(surface.ReadPixel(0, 120), 0u);    // below the map
}

}  // namespace
