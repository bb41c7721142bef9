// The menu art's drawing helpers, where a slip shows on screen: captions that miss their anchor,
// copies that grow or turn into holes, ship pictures cut off or showing the wrong ship.

#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "kit/ArtKit.h"
#include "menu/Captions.h"
#include "menu/HelpObjects.h"
#include "menu/ShipPortraits.h"
#include "race/ShipDesigns.h"

namespace {

// Straight-alpha 0xAARRGGBB of a pixel of an ARGB32 surface.
uint32_t Pixel(const art::Surface& surface, int x, int y) {
    cairo_surface_flush(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    const uint32_t premultiplied =
        reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride)[x];
    const uint32_t alpha = premultiplied >> 24;
    if (alpha == 0)
        return 0;
    auto straight = [&](int shift) { return ((premultiplied >> shift) & 0xFF) * 255 / alpha; };
    return (alpha << 24) | (straight(16) << 16) | (straight(8) << 8) | straight(0);
}

int Width(const art::Surface& surface) {
    return cairo_image_surface_get_width(surface.get());
}
int Height(const art::Surface& surface) {
    return cairo_image_surface_get_height(surface.get());
}

// Columns and rows holding pixels more than half opaque.
struct Extent {
    int Left = 1 << 30, Top = 1 << 30, Right = -1, Bottom = -1;
};

Extent DrawnExtent(const art::Surface& surface) {
    Extent extent;
    for (int y = 0; y < Height(surface); ++y)
        for (int x = 0; x < Width(surface); ++x)
            if ((Pixel(surface, x, y) >> 24) > 128) {
                extent.Left = std::min(extent.Left, x);
                extent.Right = std::max(extent.Right, x);
                extent.Top = std::min(extent.Top, y);
                extent.Bottom = std::max(extent.Bottom, y);
            }
    return extent;
}

ImageRecord RecordOf(const art::Surface& picture, int patternWidth) {
    return art::MakeRecord("picture", picture, patternWidth, 0, true);
}

art::Surface Filled(int width, int height, double red, double green, double blue, double alpha) {
    art::Surface surface = art::NewSurface(width, height);
    art::Context context = art::NewContext(surface);
    cairo_set_source_rgba(context.get(), red, green, blue, alpha);
    cairo_paint(context.get());
    return surface;
}

// Hue in degrees (0..360) and saturation (0..1) of 0xRRGGBB.
void HueAndSaturation(uint32_t rgb, double& hue, double& saturation) {
    const double r = ((rgb >> 16) & 0xFF) / 255.0, g = ((rgb >> 8) & 0xFF) / 255.0,
                 b = (rgb & 0xFF) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    saturation = high > 0 ? (high - low) / high : 0;
    if (high == low) {
        hue = 0;
        return;
    }
    const double span = high - low;
    hue = high == r   ? 60 * std::fmod((g - b) / span + 6, 6)
          : high == g ? 60 * ((b - r) / span + 2)
                      : 60 * ((r - g) / span + 4);
}

}  // namespace

TEST(MenuArtCaptions, LandOnTheirAnchorWhateverTheAlignment) {
    menu::CaptionStyle style;
    style.PixelSize = 24;
    style.Slanted = false;  // upright, so the ink's edges sit where the advance says
    art::Surface surface = art::NewSurface(300, 60);
    art::Context context = art::NewContext(surface);
    const double width = menu::CaptionWidth(context.get(), "HELP", style);
    ASSERT_GT(width, 40);

    menu::DrawCaption(context.get(), "HELP", 250, 30, menu::Align::Right, style);
    const Extent right = DrawnExtent(surface);
    EXPECT_NEAR(right.Right, 250, 3);
    EXPECT_NEAR(right.Left, 250 - width, 4);
    // Capitals are centred on the given line.
    EXPECT_NEAR((right.Top + right.Bottom) / 2.0, 30, 1.5);

    art::Surface centred = art::NewSurface(300, 60);
    art::Context centredContext = art::NewContext(centred);
    menu::DrawCaption(centredContext.get(), "HELP", 150, 30, menu::Align::Centre, style);
    const Extent middle = DrawnExtent(centred);
    EXPECT_NEAR((middle.Left + middle.Right) / 2.0, 150, 3);
}

TEST(MenuArtCaptions, TrackingWidensEveryGapButNotTheEnds) {
    art::Surface surface = art::NewSurface(10, 10);
    art::Context context = art::NewContext(surface);
    menu::CaptionStyle tight;
    tight.PixelSize = 20;
    menu::CaptionStyle loose = tight;
    loose.Tracking = 5;
    const double gain = menu::CaptionWidth(context.get(), "SPEED", loose) -
                        menu::CaptionWidth(context.get(), "SPEED", tight);
    EXPECT_NEAR(gain, 4 * 5, 0.01);  // five letters, four gaps
    EXPECT_EQ(menu::CaptionWidth(context.get(), "", loose), 0);
}

TEST(MenuArtKit, KeepOffKeyColourLiftsOnlyWhatA16BitDisplayWouldHide) {
    // Columns: the key, a colour just inside its 565 cell, one just outside it (green 4), the key
    // at low alpha, and a transparent pixel.
    art::Surface picture = art::NewSurface(5, 1);
    art::Context context = art::NewContext(picture);
    const auto put = [&](int x, double r, double g, double b, double a) {
        cairo_rectangle(context.get(), x, 0, 1, 1);
        cairo_set_source_rgba(context.get(), r, g, b, a);
        cairo_fill(context.get());
    };
    put(0, 1, 0, 1, 1);
    put(1, 0xF9 / 255.0, 3 / 255.0, 0xFA / 255.0, 1);
    put(2, 1, 4 / 255.0, 1, 1);
    put(3, 1, 0, 1, 0.05);
    art::KeepOffKeyColour(picture);

    // Read back as the PNG stores it, the way the game will.
    const art::Surface stored = art::CutPattern(RecordOf(picture, 0), 0);
    for (int x = 0; x < 4; ++x) {
        const uint32_t pixel = Pixel(stored, x, 0);
        EXPECT_GE((pixel >> 8) & 0xFF, 4u) << "column " << x;
        EXPECT_GT(pixel >> 24, 0u) << "column " << x;
    }
    EXPECT_EQ(Pixel(stored, 2, 0) & 0xFFFFFF, 0xFF04FFu);  // already visible: untouched
    EXPECT_EQ(Pixel(stored, 4, 0), 0u);
}

TEST(MenuArtKit, CutPatternTakesOneCellOfAStrip) {
    // Two 6 x 4 cells: red on the left, blue on the right.
    art::Surface strip = art::NewSurface(12, 4);
    art::Context context = art::NewContext(strip);
    cairo_set_source_rgb(context.get(), 1, 0, 0);
    cairo_rectangle(context.get(), 0, 0, 6, 4);
    cairo_fill(context.get());
    cairo_set_source_rgb(context.get(), 0, 0, 1);
    cairo_rectangle(context.get(), 6, 0, 6, 4);
    cairo_fill(context.get());
    const ImageRecord record = RecordOf(strip, 6);

    const art::Surface second = art::CutPattern(record, 1);
    ASSERT_EQ(Width(second), 6);
    ASSERT_EQ(Height(second), 4);
    EXPECT_EQ(Pixel(second, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(Pixel(second, 5, 3), 0xFF0000FFu);
    EXPECT_THROW(art::CutPattern(record, 2), std::runtime_error);
    EXPECT_THROW(art::CutPattern(record, -1), std::runtime_error);
    // Pattern width 0 means the whole picture.
    EXPECT_EQ(Width(art::CutPattern(RecordOf(strip, 0), 0)), 12);
}

TEST(MenuArtHelpObjects, CopiesShrinkToFitButNeverGrow) {
    // A 40 x 20 source into a 30 x 30 room: scaled by 0.75 to 30 x 15, centred vertically.
    const art::Surface wide = art::CutPattern(RecordOf(Filled(40, 20, 0, 1, 0, 1), 0), 0);
    const art::Surface shrunk = menu::HelpCopy(RecordOf(wide, 0), 30, 30);
    ASSERT_EQ(Width(shrunk), 30);
    ASSERT_EQ(Height(shrunk), 30);
    const Extent fitted = DrawnExtent(shrunk);
    EXPECT_EQ(fitted.Left, 0);
    EXPECT_EQ(fitted.Right, 29);
    EXPECT_NEAR(fitted.Top, 7.5, 1);
    EXPECT_NEAR(fitted.Bottom, 21.5, 1);

    // A 10 x 10 source in a 40 x 40 room stays 10 x 10, in the middle.
    const art::Surface small = Filled(10, 10, 0, 1, 0, 1);
    const Extent kept = DrawnExtent(menu::HelpCopy(RecordOf(small, 0), 40, 40));
    EXPECT_EQ(kept.Left, 15);
    EXPECT_EQ(kept.Right, 24);
    EXPECT_EQ(kept.Top, 15);
    EXPECT_EQ(kept.Bottom, 24);
}

TEST(MenuArtShipPictures, EachShowsItsOwnShipWhollyInsideThePicture) {
    for (int ship = 1; ship <= 5; ++ship) {
        SCOPED_TRACE("ship " + std::to_string(ship));
        const art::Surface picture = menu::DrawShipPortrait(ship);
        ASSERT_EQ(Width(picture), menu::PortraitWidth);
        ASSERT_EQ(Height(picture), menu::PortraitHeight);
        // Nothing cut off: the outermost pixels of the picture are all empty.
        int edgeInk = 0;
        for (int x = 0; x < Width(picture); ++x)
            edgeInk +=
                (Pixel(picture, x, 0) >> 24) + (Pixel(picture, x, Height(picture) - 1) >> 24);
        for (int y = 0; y < Height(picture); ++y)
            edgeInk += (Pixel(picture, 0, y) >> 24) + (Pixel(picture, Width(picture) - 1, y) >> 24);
        EXPECT_EQ(edgeInk, 0);
        // and the ship fills most of the width between the arrow buttons.
        const Extent drawn = DrawnExtent(picture);
        EXPECT_GT(drawn.Right - drawn.Left, Width(picture) * 2 / 3);

        // The race design's most colourful large part gives the ship its colour; the picture must
        // show plenty of that hue.
        const auto design = art::race::ShipDesignOf(ship);
        double area = 0, hue = 0;
        for (const auto& part : design.Parts) {
            const uint32_t rgb = (static_cast<uint32_t>(part.Colour.R * 255) << 16) |
                                 (static_cast<uint32_t>(part.Colour.G * 255) << 8) |
                                 static_cast<uint32_t>(part.Colour.B * 255);
            double partHue, saturation;
            HueAndSaturation(rgb, partHue, saturation);
            double partArea = 0;
            for (size_t i = 0, j = part.Points.size() - 1; i < part.Points.size(); j = i++)
                partArea +=
                    part.Points[j].X * part.Points[i].Y - part.Points[i].X * part.Points[j].Y;
            partArea = std::abs(partArea) / 2;
            if (saturation > 0.5 && partArea > area) {
                area = partArea;
                hue = partHue;
            }
        }
        int matching = 0;
        for (int y = 0; y < Height(picture); ++y)
            for (int x = 0; x < Width(picture); ++x) {
                const uint32_t pixel = Pixel(picture, x, y);
                if ((pixel >> 24) < 200)
                    continue;
                double pixelHue, saturation;
                HueAndSaturation(pixel & 0xFFFFFF, pixelHue, saturation);
                const double apart = std::abs(std::fmod(pixelHue - hue + 540, 360) - 180);
                matching += saturation > 0.4 && apart < 15;
            }
        EXPECT_GT(matching, 400);
    }
}
