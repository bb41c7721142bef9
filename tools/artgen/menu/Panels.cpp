#include "menu/Panels.h"

#include <cmath>

#include "menu/MenuPalette.h"
#include "menu/PanelFrame.h"

namespace menu {

namespace {

// Table layout in panel pixels: the header is centred at y 15, row n (1..10) at 15 + 26 n;
// columns centred at x 57 (place), 211 (name) and 369 (score).
constexpr double HeaderCentre = 15;
constexpr double RowPitch = 26;
constexpr double PlaceCentre = 57;
constexpr double LowerFrameBelowPicture = 8;  // pixels of the high-score panel's frame left out

void PaintTableRows(cairo_t* context, double width) {
    for (int row = 1; row <= 10; ++row) {
        const double top = HeaderCentre + RowPitch * row - RowPitch / 2;
        if (row % 2 == 1) {
            cairo_rectangle(context, 8, top, width - 16, RowPitch);
            cairo_set_source_rgba(context, 1, 1, 1, 0.035);
            cairo_fill(context);
        }
        // Medal rings round the first three places.
        if (row <= 3) {
            const uint32_t medal[] = {0xFFC940, 0xC8D0DC, 0xD08040};
            cairo_arc(context, PlaceCentre, top + RowPitch / 2, 11.5, 0, 2 * M_PI);
            art::SetColour(context, medal[row - 1], 0.9);
            cairo_set_line_width(context, 2);
            cairo_stroke(context);
        }
    }
}

void PaintTableHeader(cairo_t* context, double width) {
    const double top = HeaderCentre - 12;
    cairo_rectangle(context, 8, top, width - 16, 24);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, top, 0, top + 24);
    art::AddColourStop(band, 0, 0x2A3140);
    art::AddColourStop(band, 1, 0x1B2029);
    cairo_set_source(context, band);
    cairo_fill(context);
    cairo_pattern_destroy(band);
    cairo_move_to(context, 8, top + 24.5);
    cairo_line_to(context, width - 8, top + 24.5);
    cairo_set_line_width(context, 1.5);
    art::SetColour(context, Amber, 0.9);
    cairo_stroke(context);
    // Column separators, in the header only: names may run wide in the rows.
    for (double x : {112.0, 300.0}) {
        cairo_move_to(context, x + 0.5, top + 4);
        cairo_line_to(context, x + 0.5, top + 20);
    }
    cairo_set_line_width(context, 1);
    art::SetColour(context, SteelRim, 0.6);
    cairo_stroke(context);
}

}  // namespace

art::Surface DrawDialogPanel() {
    const int width = 322;
    const int height = 146;
    art::Surface picture = art::NewSurface(width, height);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    PaintPanel(context, {1, 1, width - 2.0, height - 4.0}, 14,
               {DialogTop, DialogBottom, 0x8A6A3A, Amber});
    // A warm amber line under the top edge marks it as a message, not a screen panel.
    cairo_pattern_t* line = cairo_pattern_create_linear(20, 0, width - 20, 0);
    art::AddColourStop(line, 0, Amber, 0);
    art::AddColourStop(line, 0.5, Amber, 0.9);
    art::AddColourStop(line, 1, Amber, 0);
    cairo_set_source(context, line);
    cairo_rectangle(context, 20, 9, width - 40, 2);
    cairo_fill(context);
    cairo_pattern_destroy(line);
    return picture;
}

art::Surface DrawSharedPanel() {
    const int width = 450;
    const int height = 330;
    art::Surface picture = art::NewSurface(width, height);
    art::Context owner = art::NewContext(picture);
    PaintPanel(owner.get(), {1, 1, width - 2.0, height - 4.0}, 18, GlassPanel);
    return picture;
}

art::Surface DrawHighScorePanel() {
    const int width = 426;
    const int height = 286;
    art::Surface picture = art::NewSurface(width, height);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    // Row 10's text reaches 3 pixels above the picture's bottom edge (y 475 on screen, where the
    // table buttons start): the frame's bottom lies below the picture, and a thin steel rim
    // closes the glass instead, so no line crosses the last row.
    PaintPanel(context, {1, 1, width - 2.0, height + LowerFrameBelowPicture}, 16, GlassPanel);
    cairo_move_to(context, 1, height - 0.75);
    cairo_line_to(context, width - 12, height - 0.75);
    cairo_set_line_width(context, 1.5);
    art::SetColour(context, SteelRim, 0.9);
    cairo_stroke(context);
    cairo_save(context);
    cairo_rectangle(context, 0, 0, width, height - 6);
    cairo_clip(context);
    PaintTableRows(context, width);
    cairo_restore(context);
    PaintTableHeader(context, width);
    return picture;
}

}  // namespace menu
