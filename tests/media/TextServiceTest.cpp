// Selecting styles, measuring and drawing text on the headless surface, read back pixel by pixel.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

#include "engine/TextService.h"
#include "engine/TextStyles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr uint32_t Backdrop = 0x202020;

// Leftmost column, or topmost row between columns fromX and toX, that differs from the backdrop;
// nullopt when nothing was drawn there.
std::optional<int> FirstLitColumn(const platform::PixelImage& image) {
    for (int x = 0; x < image.Width; ++x)
        for (int y = 0; y < image.Height; ++y)
            if ((image.At(x, y) & 0xFFFFFF) != Backdrop)
                return x;
    return std::nullopt;
}

std::optional<int> FirstLitRow(const platform::PixelImage& image, int fromX, int toX) {
    for (int y = 0; y < image.Height; ++y)
        for (int x = fromX; x < toX; ++x)
            if ((image.At(x, y) & 0xFFFFFF) != Backdrop)
                return y;
    return std::nullopt;
}

class TextServiceTest : public testing::Test {
protected:
    // What the surface shows after draw, on a fresh backdrop.
    template <typename Draw>
    platform::PixelImage Drawn(Draw draw) {
        surface.Clear(Backdrop);
        draw();
        return surface.ReadAll();
    }

    // A text exactly width pixels wide in the selected style, made of wide and narrow letters.
    std::optional<std::string> TextOfWidth(int width) {
        for (int wide = 0; wide <= 12; ++wide)
            for (int narrow = 0; narrow <= 24; ++narrow) {
                const std::string text = std::string(wide, 'W') + std::string(narrow, 'i');
                if (!text.empty() && text_.TextWidth(text) == width)
                    return text;
            }
        return std::nullopt;
    }

    platform::HeadlessDisplay display;
    platform::Surface& surface = display.BackSurface();
    TTextService text_{surface};
};

TEST_F(TextServiceTest, AnEmptyTextDrawsNothing) {
    text_.SetTextFont(5);
    const platform::PixelImage image = Drawn([&] { text_.DrawTextAt("", 400, 300, true, true); });
    EXPECT_FALSE(FirstLitColumn(image));
    EXPECT_EQ(text_.TextWidth(""), 0);
    EXPECT_EQ(text_.Cache().Count(), 0u);
}

TEST_F(TextServiceTest, AnOddWidthCentredOnXStartsAtTheTruncatedHalf) {
    text_.SetTextFont(1);
    const auto text = TextOfWidth(101);
    ASSERT_TRUE(text) << "no text 101 pixels wide in style 1";
    // The glyphs' own left bearing, seen when the text starts at x = 0.
    const auto bearing =
        FirstLitColumn(Drawn([&] { text_.DrawTextAt(*text, 0, 300, false, true); }));
    ASSERT_TRUE(bearing);
    // 400 - 101 / 2 = 349.5, truncated to 349.
    const auto centred =
        FirstLitColumn(Drawn([&] { text_.DrawTextAt(*text, 400, 300, true, true); }));
    EXPECT_EQ(centred, 349 + *bearing);
    // Near the left edge the half goes negative and truncates toward zero: 20 - 50.5 gives -30.
    const platform::PixelImage nearEdge =
        Drawn([&] { text_.DrawTextAt(*text, 20, 300, true, true); });
    EXPECT_EQ(nearEdge.Argb, Drawn([&] { text_.DrawTextAt(*text, -30, 300, false, true); }).Argb);
}

TEST_F(TextServiceTest, CentringOnYUsesTheLineHeightTruncated) {
    text_.SetTextFont(2);  // a 19-pixel line
    const int height = text_.TextHeight("Place");
    ASSERT_EQ(height % 2, 1);
    const int top = 300 - (height + 1) / 2;  // Trunc(300 - height / 2) for an odd height
    EXPECT_EQ(Drawn([&] { text_.DrawTextAt("Place", 70, 300, false, true); }).Argb,
              Drawn([&] { text_.DrawTextAt("Place", 70, top, false, false); }).Argb);
    // Above the top edge the half truncates toward zero: 5 - 9.5 gives -4.
    EXPECT_EQ(Drawn([&] { text_.DrawTextAt("Place", 70, 5, false, true); }).Argb,
              Drawn([&] { text_.DrawTextAt("Place", 70, -4, false, false); }).Argb);
}

TEST_F(TextServiceTest, LinesOfOneStyleCentredOnOneYShareTheirBaseline) {
    text_.SetTextFont(5);
    const std::string tall = "T gy\xC3\x89";  // a descender and an accent above the ascent
    EXPECT_EQ(text_.TextHeight(tall), text_.TextHeight("T"));
    EXPECT_EQ(text_.TextHeight(""), text_.TextHeight("T"));
    // The top of the leading T, looked for in the left half of its bar only.
    const int bar = text_.TextWidth("T") / 2;
    auto topOfT = [&](const std::string& line) {
        return FirstLitRow(Drawn([&] { text_.DrawTextAt(line, 100, 300, false, true); }), 100,
                           100 + bar);
    };
    ASSERT_TRUE(topOfT("T"));
    EXPECT_EQ(topOfT(tall), topOfT("T"));
}

TEST_F(TextServiceTest, TextWidthInSelectsTheStyleForTheDrawingThatFollows) {
    const std::string name = "ANONYMOUS";
    const platform::PixelImage inStyle10 = Drawn([&] {
        text_.SetTextFont(10);
        text_.DrawTextAt(name, 400, 334, true, true);
    });
    text_.SetTextFont(2);
    const int width = text_.TextWidthIn(name, 10);
    EXPECT_EQ(text_.TextFont(), 10);
    EXPECT_EQ(text_.TextWidth(name), width);
    EXPECT_EQ(Drawn([&] { text_.DrawTextAt(name, 400, 334, true, true); }).Argb, inStyle10.Argb);
}

TEST_F(TextServiceTest, SetTextSizeChangesOnlyTheSizeUntilTheNextSetTextFont) {
    const std::string line = "CONGRATULATIONS!";
    // Style 9 is style 10 but for its size (16 pt against 18 pt).
    const platform::PixelImage style10 = Drawn([&] {
        text_.SetTextFont(10);
        text_.DrawTextAt(line, 400, 271, true, true);
    });
    text_.SetTextFont(9);
    const int width16 = text_.TextWidth(line);
    text_.SetTextSize(18);
    EXPECT_EQ(text_.TextSize(), 18);
    EXPECT_EQ(text_.TextFont(), 9);
    EXPECT_EQ(Drawn([&] { text_.DrawTextAt(line, 400, 271, true, true); }).Argb, style10.Argb);
    text_.SetTextFont(9);
    EXPECT_EQ(text_.TextSize(), 16);
    EXPECT_EQ(text_.TextWidth(line), width16);
    text_.SetTextSize(18);
    text_.TextWidthIn(line, 9);  // selecting a style drops the override too
    EXPECT_EQ(text_.TextWidth(line), width16);
}

TEST_F(TextServiceTest, TextIsBlendedOverWhatIsBelowWithNoBox) {
    text_.SetTextFont(5);
    const std::string stems = "I   I";
    const int width = text_.TextWidth(stems);
    const platform::PixelImage image =
        Drawn([&] { text_.DrawTextAt(stems, 100, 100, false, false); });
    int lit = 0;
    for (int y = 100; y < 100 + text_.TextHeight(stems); ++y) {
        EXPECT_EQ(image.At(100 + width / 2, y) & 0xFFFFFF, Backdrop) << "row " << y;
        for (int x = 100; x < 100 + width; ++x)
            if ((image.At(x, y) & 0xFFFFFF) != Backdrop)
                ++lit;
    }
    EXPECT_GT(lit, 0);
}

TEST_F(TextServiceTest, AnOutlinedTextKeepsItsGlyphsInPlaceInADarkRingWithNoBox) {
    text_.SetTextFont(5);
    const std::string stems = "I   I";
    for (bool centred : {false, true}) {
        SCOPED_TRACE(centred ? "centred" : "from the top-left");
        const platform::PixelImage plain =
            Drawn([&] { text_.DrawTextAt(stems, 100, 100, centred, centred); });
        const platform::PixelImage outlined =
            Drawn([&] { text_.DrawTextAt(stems, 100, 100, centred, centred, true); });
        // The stems' solid pixels: the text's colour as the 16-bit surface keeps it, the
        // commonest colour other than the backdrop.
        std::map<uint32_t, int> colours;
        for (uint32_t p : plain.Argb)
            if ((p & 0xFFFFFF) != Backdrop)
                ++colours[p & 0xFFFFFF];
        ASSERT_FALSE(colours.empty());
        const uint32_t textColour =
            std::ranges::max_element(colours, {}, [](const auto& c) { return c.second; })->first;
        int glyph = 0, ring = 0, solid = 0;
        for (int y = 1; y + 1 < plain.Height; ++y)
            for (int x = 1; x + 1 < plain.Width; ++x) {
                if ((plain.At(x, y) & 0xFFFFFF) == textColour) {
                    ++solid;
                    // A glyph's solid pixel is where it was, in the text's own colour.
                    glyph += outlined.At(x, y) == plain.At(x, y) ? 1 : 0;
                    ring += (plain.At(x - 1, y) & 0xFFFFFF) == Backdrop &&
                                    (outlined.At(x - 1, y) & 0xFFFFFF) < 0x101010
                                ? 1
                                : 0;
                } else if ((plain.At(x, y) & 0xFFFFFF) == Backdrop &&
                           (outlined.At(x, y) & 0xFFFFFF) != Backdrop) {
                    // Dark pixels only hug the glyphs: none two pixels away from every glyph.
                    bool nearGlyph = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            nearGlyph |= (plain.At(x + dx, y + dy) & 0xFFFFFF) != Backdrop;
                    EXPECT_TRUE(nearGlyph) << x << "," << y;
                }
            }
        EXPECT_GT(solid, 20);
        EXPECT_EQ(glyph, solid);
        EXPECT_GT(ring, 10) << "a dark edge left of the stems";
    }
}

TEST_F(TextServiceTest, ArgumentsOutsideTheTablesAreRefusedAndChangeNothing) {
    text_.SetTextFont(6);
    EXPECT_THROW(text_.SetTextFont(0), std::out_of_range);
    EXPECT_THROW(text_.SetTextFont(TextStyleCount + 1), std::out_of_range);
    EXPECT_THROW(text_.TextWidthIn("x", -1), std::out_of_range);
    EXPECT_THROW(text_.SetTextSize(0), std::invalid_argument);
    EXPECT_EQ(text_.TextFont(), 6);
    EXPECT_EQ(text_.TextSize(), TextStyle(6).Size);
}

TEST_F(TextServiceTest, RepeatedTextIsRenderedOnceAndTheCacheStaysBounded) {
    text_.SetTextFont(18);
    text_.DrawTextAt("02 : 55", 724, 238, true, true);
    text_.DrawTextAt("02 : 55", 724, 238, true, true);
    EXPECT_EQ(text_.Cache().Count(), 1u);
    // Styles 2 and 17 look the same, so they share one picture; 10 and 12 differ only in colour.
    for (const int style : {2, 17, 10, 12}) {
        text_.SetTextFont(style);
        text_.DrawTextAt("Score", 382, 204, true, true);
    }
    EXPECT_EQ(text_.Cache().Count(), 4u);
    // A score counting up every frame.
    text_.SetTextFont(18);
    for (int score = 0; score < 2 * static_cast<int>(TTextService::CachedTextLimit); ++score)
        text_.DrawTextAt(std::to_string(score), 718, 318, true, true);
    EXPECT_EQ(text_.Cache().Count(), TTextService::CachedTextLimit);
}

}  // namespace
