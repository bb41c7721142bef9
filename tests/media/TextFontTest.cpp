// The font layer: finding installed faces, the fallback family, and what a rendered text looks like
// next to its measurements.

#include <gtest/gtest.h>

#include <string>

#include "platform/FontLibrary.h"

namespace {

using platform::FontLibrary;

TEST(FontLibrary, AFamilyThatIsNotInstalledIsDrawnInTheFallbackFamily) {
    FontLibrary fonts;
    const platform::Font& font = fonts.Get("Zorvex No Such Family", 12, false);
    EXPECT_EQ(font.Family(), FontLibrary::FallbackFamily);
    EXPECT_GT(font.Width("Text"), 0);
    EXPECT_EQ(fonts.Get("Zorvex No Such Family", 12, true).Family(), FontLibrary::FallbackFamily);
}

TEST(FontLibrary, EachFamilySizeAndWeightIsOpenedOnceAndKept) {
    FontLibrary fonts;
    const platform::Font& regular = fonts.Get("Nimbus Sans", 18, false);
    EXPECT_EQ(&fonts.Get("Nimbus Sans", 18, false), &regular);
    EXPECT_NE(&fonts.Get("Nimbus Sans", 18, true), &regular);
    EXPECT_NE(&fonts.Get("Nimbus Sans", 16, false), &regular);
}

TEST(FontLibrary, SizesArePointsAtNinetySixDpi) {
    FontLibrary fonts;
    // The line of a sans face is a little taller than its em, which is points x 4/3 pixels.
    for (const int points : {10, 18, 30}) {
        const int em = points * 4 / 3;
        const int height = fonts.Get("Nimbus Sans", points, false).Height();
        EXPECT_GE(height, em) << points << " pt";
        EXPECT_LE(height, em * 3 / 2) << points << " pt";
    }
}

TEST(FontLibrary, BoldAsksForTheBoldFace) {
    FontLibrary fonts;
    const std::string text = "Boss Key:";
    EXPECT_GT(fonts.Get("Nimbus Sans", 28, true).Width(text),
              fonts.Get("Nimbus Sans", 28, false).Width(text));
}

// Total coverage of a rendered text: how much ink its glyphs put down.
uint64_t Ink(const platform::TextImage& image) {
    uint64_t ink = 0;
    for (const uint32_t pixel : image.Pixels.Argb)
        ink += pixel >> 24;
    return ink;
}

TEST(FontLibrary, AFaceFileThatIsNotBoldIsEmboldenedWhenBoldIsAskedFor) {
    FontLibrary fonts;  // starts the renderer
    const auto regular = platform::FontFinder().Find("Nimbus Sans", false);
    ASSERT_TRUE(regular);
    ASSERT_FALSE(regular->Bold);
    const platform::Font plain(*regular, 28, false);
    const platform::Font emboldened(*regular, 28, true);
    EXPECT_GT(Ink(emboldened.Render("Boss Key:", 0xFFFFFF)),
              Ink(plain.Render("Boss Key:", 0xFFFFFF)) * 11 / 10);
}

TEST(FontFinder, FindsOnlyTheFamilyAskedFor) {
    const platform::FontFinder finder;
    const auto bold = finder.Find("Nimbus Sans Narrow", true);
    ASSERT_TRUE(bold);
    EXPECT_TRUE(bold->Bold);
    EXPECT_EQ(bold->Family, "Nimbus Sans Narrow");
    // Installed as OpenType and as Type 1; the OpenType file has the face's real line metrics.
    EXPECT_TRUE(bold->Path.ends_with(".otf")) << bold->Path;
    EXPECT_FALSE(finder.Find("Zorvex No Such Family", false));
}

TEST(FontRender, APictureIsAsWideAsTheMeasuredTextAndAtLeastALineTall) {
    FontLibrary fonts;
    for (const char* family :
         {"Nimbus Sans", "DSEG14 Classic", "Nimbus Sans Narrow", "Nimbus Mono PS"}) {
        const platform::Font& font = fonts.Get(family, 14, false);
        for (const std::string text : {"Exit the game?", "LEVEL 10 / 10", "jag|", " ", "02 : 55"}) {
            const platform::TextImage image = font.Render(text, 0xFFFFFF);
            EXPECT_EQ(image.Pixels.Width, font.Width(text)) << family << " \"" << text << '"';
            EXPECT_GE(image.Pixels.Height - image.LineTop, font.Height())
                << family << " \"" << text << '"';
        }
    }
}

TEST(FontRender, AnEmptyTextIsAnEmptyPictureOfNoWidth) {
    FontLibrary fonts;
    const platform::Font& font = fonts.Get("Nimbus Sans", 14, false);
    EXPECT_EQ(font.Width(""), 0);
    const platform::TextImage image = font.Render("", 0xFFFFFF);
    EXPECT_EQ(image.Pixels.Width, 0);
    EXPECT_TRUE(image.Pixels.Argb.empty());
}

TEST(FontRender, GlyphsAreTheColourOnATransparentBackground) {
    FontLibrary fonts;
    const platform::TextImage image = fonts.Get("Nimbus Sans", 30, false).Render("I I", 0x327EF0);
    int opaque = 0;
    for (const uint32_t pixel : image.Pixels.Argb) {
        // Straight alpha: the coverage is only in the alpha byte.
        if (pixel >> 24 != 0) {
            EXPECT_EQ(pixel & 0xFFFFFF, 0x327EF0u);
        }
        if (pixel >> 24 == 0xFF)
            ++opaque;
    }
    EXPECT_GT(opaque, 0);
    // The space between the two stems is clear.
    const int middle = image.Pixels.Width / 2;
    for (int y = 0; y < image.Pixels.Height; ++y)
        EXPECT_EQ(image.Pixels.At(middle, y) >> 24, 0u) << "row " << y;
}

TEST(FontRender, TheSegmentFacesSlashIsOneStrokeBetweenUntouchedNeighbours) {
    FontLibrary fonts;
    const platform::Font& font = fonts.Get("DSEG14 Classic", 14, false);
    const platform::TextImage slash = font.Render("8/8", 0xFFFFFF);
    const platform::TextImage eight = font.Render("8", 0xFFFFFF);
    const int cellLeft = font.Width("8"), cellRight = font.Width("8/");
    ASSERT_EQ(slash.Pixels.Height, eight.Pixels.Height);
    ASSERT_EQ(slash.Pixels.Width, cellRight + eight.Pixels.Width);
    // The eights on either side are drawn as they are alone.
    for (int y = 0; y < eight.Pixels.Height; ++y)
        for (int x = 0; x < eight.Pixels.Width; ++x) {
            ASSERT_EQ(slash.Pixels.At(x, y), eight.Pixels.At(x, y)) << x << "," << y;
            ASSERT_EQ(slash.Pixels.At(cellRight + x, y), eight.Pixels.At(x, y)) << x << "," << y;
        }
    // Every row of the eight's height is lit in the slash's cell, further right the higher it
    // lies: one unbroken stroke leaning forward.
    int previousLeft = -1;
    for (int y = slash.Pixels.Height - 1; y >= 0; --y) {
        bool eightLit = false;
        for (int x = 0; x < cellLeft; ++x)
            eightLit |= (slash.Pixels.At(x, y) >> 24) > 128;
        if (!eightLit)
            continue;
        int left = -1;
        for (int x = cellLeft; x < cellRight && left < 0; ++x)
            if ((slash.Pixels.At(x, y) >> 24) > 128)
                left = x;
        ASSERT_GE(left, 0) << "row " << y << " of the slash is dark";
        EXPECT_GE(left, previousLeft) << "row " << y;
        previousLeft = left;
    }
}

// A capital with an accent reaches above the font's ascent; the renderer makes the picture taller
// and LineTop says by how much, so the rest of the line stays where an unaccented line would be.
TEST(FontRender, AGlyphAboveTheAscentKeepsTheLineInPlace) {
    FontLibrary fonts;
    const platform::Font& font = fonts.Get("Nimbus Sans", 24, false);
    const platform::TextImage plain = font.Render("AE", 0xFFFFFF);
    const platform::TextImage accented = font.Render("A\xC3\x89", 0xFFFFFF);  // "AÉ"
    EXPECT_EQ(plain.LineTop, 0);
    ASSERT_GT(accented.LineTop, 0);
    EXPECT_EQ(accented.Pixels.Height, plain.Pixels.Height + accented.LineTop);
    // The "A" (left third of both pictures) is the same, row for row, once LineTop is skipped.
    for (int y = 0; y < plain.Pixels.Height; ++y)
        for (int x = 0; x < plain.Pixels.Width / 3; ++x)
            ASSERT_EQ(accented.Pixels.At(x, y + accented.LineTop), plain.Pixels.At(x, y))
                << "at " << x << ", " << y;
}

TEST(FontRender, MalformedUtf8IsDrawnWithoutFailing) {
    FontLibrary fonts;
    const platform::Font& font = fonts.Get("Nimbus Sans", 14, false);
    for (const std::string text : {"\xC3", "A\x80Z", "\xE2\x82", "\xFF\xFE"}) {
        const platform::TextImage image = font.Render(text, 0xFFFFFF);
        EXPECT_EQ(image.Pixels.Width, font.Width(text));
        EXPECT_GE(image.LineTop, 0);
    }
}

}  // namespace
