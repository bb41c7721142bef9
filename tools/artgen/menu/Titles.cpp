#include "menu/Titles.h"

#include <algorithm>

#include "menu/Captions.h"
#include "menu/MenuPalette.h"

namespace menu {

namespace {

constexpr double Margin = 10;       // free pixels at the right end for the glow
constexpr double CaptionSize = 42;  // pixels, reduced when a caption would not fit
// Widest caption, pixels: a title starting further left would run into the logo.
constexpr double MostCaptionWidth = 384;
constexpr double CaptionCentreY = 32;
constexpr double UnderlineY = 62;

CaptionStyle TitleCaption(double pixelSize) {
    CaptionStyle style;
    style.PixelSize = pixelSize;
    style.Tracking = 2;
    style.FillTop = CaptionSilverTop;
    style.FillBottom = 0x8E9BB0;
    style.Edge = CaptionEdge;
    style.EdgeWidth = 3.5;
    style.Glow = HoloBlue;
    style.GlowReach = 6;
    style.ShadowOffset = 3;
    return style;
}

void PaintUnderline(cairo_t* context, double right, double left) {
    // A bar that fades out to the left and ends in a slanted amber block on the right.
    cairo_pattern_t* fade = cairo_pattern_create_linear(left, 0, right, 0);
    art::AddColourStop(fade, 0, Amber, 0);
    art::AddColourStop(fade, 0.6, Amber, 0.8);
    art::AddColourStop(fade, 1, AmberPale, 1);
    cairo_set_source(context, fade);
    cairo_move_to(context, left, UnderlineY);
    cairo_line_to(context, right - 44, UnderlineY);
    cairo_line_to(context, right - 46, UnderlineY + 3);
    cairo_line_to(context, left, UnderlineY + 3);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_pattern_destroy(fade);
    cairo_move_to(context, right - 38, UnderlineY - 2);
    cairo_line_to(context, right, UnderlineY - 2);
    cairo_line_to(context, right - 5, UnderlineY + 6);
    cairo_line_to(context, right - 43, UnderlineY + 6);
    cairo_close_path(context);
    art::SetColour(context, Amber);
    cairo_fill(context);
}

}  // namespace

art::Surface DrawTitle(const std::string& caption, int width) {
    art::Surface picture = art::NewSurface(width, TitleHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    const double right = width - Margin;
    CaptionStyle style = TitleCaption(CaptionSize);
    const double room = std::min(right - Margin, MostCaptionWidth);
    style.PixelSize *= std::min(1.0, room / CaptionWidth(context, caption, style));
    PaintUnderline(context, right, Margin);
    DrawCaption(context, caption, right - 4, CaptionCentreY, Align::Right, style);
    return picture;
}

}  // namespace menu
