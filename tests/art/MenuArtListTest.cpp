// Image list 1 as the game reads it from Data/Res/Res1.dxg: an image at every index the menus
// use, each fitting where the screens place it, and looks that keep the texts drawn over them
// readable.

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "ColourContrast.h"
#include "engine/FileOpenError.h"
#include "engine/ImageListFile.h"
#include "engine/PatternGrid.h"
#include "menu/MenuList.h"
#include "platform/PixelImage.h"

namespace {

struct MenuImage {
    TImageListEntry Entry;
    TPatternGrid Grid;
    platform::PixelImage Pixels;
};

std::vector<MenuImage> LoadMenuList() {
    const std::string bytes = ReadWholeFile("Data/Res/Res1.dxg");
    std::vector<MenuImage> images;
    for (TImageListEntry& entry :
         ParseImageList(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()))) {
        MenuImage image;
        image.Grid = ResolvePatternGrid(entry.PictureWidth, entry.PictureHeight, entry.PatternWidth,
                                        entry.PatternHeight, entry.SkipWidth, entry.SkipHeight);
        std::string error;
        if (!platform::DecodePng(entry.Png, image.Pixels, error))
            ADD_FAILURE() << error;
        image.Entry = std::move(entry);
        images.push_back(std::move(image));
    }
    return images;
}

const std::vector<MenuImage>& MenuList() {
    static const std::vector<MenuImage> images = LoadMenuList();
    return images;
}

// Mean luminance of one pattern, counting only the pixels that are drawn.
double MeanLuminance(const MenuImage& image, int pattern) {
    double sum = 0;
    int count = 0;
    const int left = image.Grid.PatternLeft(pattern);
    const int top = image.Grid.PatternTop(pattern);
    for (int y = top; y < top + image.Grid.PatternHeight; ++y)
        for (int x = left; x < left + image.Grid.PatternWidth; ++x) {
            const uint32_t argb = image.Pixels.At(x, y);
            if ((argb >> 24) < 128)
                continue;
            sum += Luminance(argb & 0xFFFFFF);
            ++count;
        }
    return count ? sum / count : 0;
}

// Where a screen draws an image (screen pixels) and how far it may reach without covering
// something else: the next button, a label, the main-menu column at x 452, the screen edge.
struct Placement {
    int Index;
    int X;
    int Y;
    int Patterns;
    int MaxRight;
    int MaxBottom;
    bool Centred = false;  // (X, Y) is the image's centre, not its top-left
};

const Placement Placements[] = {
    {1, 0, 0, 1, 800, 600},
    {14, 127, 205, 1, 449, 251},  // display state, left of the row hot spot's end
    {15, 127, 205, 1, 449, 251},
    {16, 202, 251, 1, 336, 294},  // music state, above the sound row
    {17, 202, 251, 1, 336, 294},
    {18, 202, 294, 1, 336, 341},
    {19, 202, 294, 1, 336, 341},
    {20, 32, 372, 1, 411, 419},  // country field, inside its row's hot spot
    {21, 66, 462, 1, 376, 509},  // boss-key field
    {24, 478, 37, 1, 800, 132},  // titles end above the first main-menu button
    {25, 356, 34, 1, 800, 132},
    {26, 417, 36, 1, 800, 132},
    {27, 363, 35, 1, 800, 132},
    {28, 88, 238, 1, 377, 391},  // ship pictures, between the arrows and above the marks
    {29, 88, 238, 1, 377, 391},
    {30, 88, 238, 1, 377, 391},
    {31, 88, 238, 1, 377, 391},
    {32, 88, 238, 1, 377, 391},
    {33, 239, 227, 1, 561, 600},
    {34, 275, 314, 2, 401, 373},  // Yes must not touch No, both stay on the dialog panel
    {35, 401, 314, 2, 561, 373},
    {37, 14, 227, 2, 88, 391},
    {38, 377, 226, 2, 452, 391},
    {39, 104, 473, 2, 450, 525},
    {40, 38, 475, 2, 235, 600},
    {41, 235, 475, 2, 452, 600},
    {42, 37, 464, 2, 234, 525},
    {43, 234, 463, 2, 450, 525},
    {50, 50, 320, 1, 150, 525},  // about logo, left of the maker lines
    {51, 0, 195, 1, 452, 600},
    {52, 0, 195, 1, 452, 600},
    {53, 13, 189, 1, 452, 475},  // drawn over the table buttons, so it must end above them
    {54, 248 + 23 * 7, 456, 1, 248 + 23 * 8, 473},  // the eighth mark of the last row
    {55, 17, 259, 1, 65, 308},                      // help objects end before their labels
    {56, 17, 308, 1, 65, 353},
    {57, 13, 353, 1, 65, 402},
    {58, 12, 402, 1, 65, 464},
    {59, 253, 255, 1, 310, 305},
    {60, 253, 305, 1, 310, 355},
    {61, 275, 375, 1, 310, 400, true},
    {62, 275, 425, 1, 310, 449, true},
};

}  // namespace

TEST(MenuArtList, HoldsAnImageAtEveryIndexUpToTheLastOneTheMenusUse) {
    ASSERT_EQ(MenuList().size(), 63u);
}

TEST(MenuArtList, EveryImageFitsWhereItsScreenPlacesIt) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    for (const Placement& place : Placements) {
        SCOPED_TRACE("image " + std::to_string(place.Index));
        const TPatternGrid& grid = list[place.Index].Grid;
        EXPECT_EQ(grid.PatternCount(), place.Patterns);
        const int left = place.Centred ? place.X - grid.PatternWidth / 2 : place.X;
        const int top = place.Centred ? place.Y - grid.PatternHeight / 2 : place.Y;
        EXPECT_LE(left + grid.PatternWidth, place.MaxRight);
        EXPECT_LE(top + grid.PatternHeight, place.MaxBottom);
    }
    // The six main-menu buttons, normal (2..7) and highlighted (8..13), one under the other.
    const int buttonY[] = {132, 208, 283, 357, 427, 504, 600};
    for (int item = 0; item < 6; ++item)
        for (int index : {2 + item, 8 + item}) {
            SCOPED_TRACE("image " + std::to_string(index));
            EXPECT_EQ(list[index].Grid.PatternCount(), 1);
            EXPECT_LE(452 + list[index].Grid.PatternWidth, 800);
            EXPECT_LE(buttonY[item] + list[index].Grid.PatternHeight, buttonY[item + 1]);
        }
}

TEST(MenuArtList, ExactSizesTheGameDependsOn) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    // The background is drawn once, unscaled and untiled.
    EXPECT_EQ(list[1].Entry.PictureWidth, 800);
    EXPECT_EQ(list[1].Entry.PictureHeight, 600);
    // Dialog texts are centred on x 400, so the panel is centred there too.
    EXPECT_EQ(239 + list[33].Grid.PatternWidth / 2, 400);
    // The cursor's top is 12 px above the centre of the line it stands beside.
    EXPECT_EQ(list[22].Grid.PatternHeight, 24);
    // The shared panels cover every options hot spot (to x 449, y 509) and the help buttons.
    for (int panel : {51, 52}) {
        EXPECT_GE(list[panel].Grid.PatternWidth, 450);
        EXPECT_GE(195 + list[panel].Grid.PatternHeight, 510);
    }
    // Titles all end at the same place on screen.
    const int titleX[] = {478, 356, 417, 363};
    for (int title = 0; title < 4; ++title)
        EXPECT_EQ(titleX[title] + list[24 + title].Grid.PatternWidth,
                  titleX[0] + list[24].Grid.PatternWidth);
}

TEST(MenuArtList, LooksThatReplaceEachOtherShareOneSize) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    auto sameSize = [&](int a, int b) {
        SCOPED_TRACE("images " + std::to_string(a) + " and " + std::to_string(b));
        EXPECT_EQ(list[a].Grid.PatternWidth, list[b].Grid.PatternWidth);
        EXPECT_EQ(list[a].Grid.PatternHeight, list[b].Grid.PatternHeight);
    };
    for (int item = 0; item < 6; ++item)
        sameSize(2 + item, 8 + item);
    sameSize(14, 15);
    for (int state : {17, 18, 19})
        sameSize(16, state);
    for (int ship : {29, 30, 31, 32})
        sameSize(28, ship);  // cross-faded over each other
    sameSize(34, 35);
}

TEST(MenuArtList, HighlightedLooksStandOutFromNormalOnes) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    for (int item = 0; item < 6; ++item) {
        SCOPED_TRACE("main button " + std::to_string(item + 1));
        EXPECT_GT(MeanLuminance(list[8 + item], 0), 1.5 * MeanLuminance(list[2 + item], 0));
    }
    // Two-look buttons: pattern 0 is the highlighted look, pattern 1 the normal one.
    for (int index : {34, 35, 37, 38, 39, 40, 41, 42, 43}) {
        SCOPED_TRACE("image " + std::to_string(index));
        EXPECT_GT(MeanLuminance(list[index], 0), 1.5 * MeanLuminance(list[index], 1));
    }
}

TEST(MenuArtList, HotSpotIsInvisibleAndBackgroundFullyOpaque) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    // The options hot spot is drawn at each of the five rows over the panel.
    EXPECT_TRUE(list[0].Entry.Transparent);
    for (uint32_t argb : list[0].Pixels.Argb)
        EXPECT_EQ(argb >> 24, 0u);
    EXPECT_FALSE(list[1].Entry.Transparent);
    int holes = 0;
    for (uint32_t argb : list[1].Pixels.Argb)
        holes += (argb >> 24) != 0xFF;
    EXPECT_EQ(holes, 0);
}

TEST(MenuArtList, NoDrawnPixelBecomesTheKeyColourOnA16BitDisplay) {
    const auto& list = MenuList();
    for (size_t index = 0; index < list.size(); ++index) {
        const MenuImage& image = list[index];
        if (!image.Entry.Transparent)
            continue;
        const uint32_t key = image.Entry.TransparentColor;
        // RGB565 keeps the top 5, 6 and 5 bits of red, green and blue.
        auto quantised = [](uint32_t rgb) { return rgb & 0xF8FCF8; };
        int collisions = 0;
        for (uint32_t argb : image.Pixels.Argb)
            if ((argb >> 24) != 0 && quantised(argb & 0xFFFFFF) == quantised(key))
                ++collisions;
        EXPECT_EQ(collisions, 0) << "image " << index;
    }
}

TEST(MenuArtList, TextBackgroundsKeepTheTextStylesReadable) {
    const auto& list = MenuList();
    ASSERT_EQ(list.size(), 63u);
    constexpr uint32_t Blue = 0x327EF0;  // dialog and field texts
    constexpr uint32_t White = 0xFFFFFF;
    constexpr uint32_t Silver = 0xC0C0C0;
    // The worst contrast between a text colour and any drawn pixel of an area (image pixels).
    auto worst = [&](int index, uint32_t text, int x0, int y0, int x1, int y1) {
        double lowest = 21;
        const platform::PixelImage& pixels = list[index].Pixels;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                lowest = std::min(lowest, Contrast(text, pixels.At(x, y) & 0xFFFFFF));
        return lowest;
    };
    // Dialog texts span y 242..354 and x 270..530 on screen; the panel is at (239, 227).
    EXPECT_GE(worst(33, Blue, 30, 15, 292, 86), 4.0);
    // Inside the two field frames, round the centred text.
    EXPECT_GE(worst(20, Blue, 40, 12, 326, 32), 4.0);
    EXPECT_GE(worst(21, Blue, 40, 12, 258, 34), 4.0);
    // Help text and option labels on the shared panel at (0, 195), high scores on theirs.
    EXPECT_GE(worst(51, White, 15, 18, 400, 262), 7.0);
    EXPECT_GE(worst(51, Silver, 15, 18, 400, 262), 7.0);
    // Table at (13, 189): the header words, then the rows right of the medal rings.
    EXPECT_GE(worst(53, White, 37, 5, 77, 25), 7.0);
    EXPECT_GE(worst(53, White, 186, 5, 236, 25), 7.0);
    EXPECT_GE(worst(53, White, 344, 5, 394, 25), 7.0);
    EXPECT_GE(worst(53, White, 80, 28, 406, 276), 7.0);
    // Row 10, descenders included, down to panel y 283: glass only, no frame line across it.
    EXPECT_GE(worst(53, White, 80, 262, 400, 284), 12.0);
}

TEST(MenuArtList, DrawsTheSameBytesEveryTimeAndTheDataFileIsCurrent) {
    const std::vector<uint8_t> first = SerializeImageList(BuildMenuList());
    const std::vector<uint8_t> second = SerializeImageList(BuildMenuList());
    EXPECT_EQ(first, second);
    const std::string file = ReadWholeFile("Data/Res/Res1.dxg");
    EXPECT_TRUE(std::string(first.begin(), first.end()) == file)
        << "Data/Res/Res1.dxg is not what the menu art draws now";
}
