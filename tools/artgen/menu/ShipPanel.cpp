#include "menu/ShipPanel.h"

#include <cmath>

#include "menu/Captions.h"
#include "menu/MenuPalette.h"
#include "menu/PanelFrame.h"
#include "menu/Plates.h"

namespace menu {

namespace {

constexpr int PanelWidth = 450;
constexpr int PanelHeight = 330;
constexpr int PanelX = 0;  // where the panel sits on screen
constexpr int PanelY = 195;
constexpr double MarkSlant = 5;  // a mark leans right by this much over its height

const char* const RatingLabels[4] = {"SPEED", "STEERING", "ACCELERATION", "BRAKES"};

void MarkPath(cairo_t* context, double x, double y) {
    cairo_new_path(context);
    cairo_move_to(context, x + MarkSlant, y);
    cairo_line_to(context, x + MarkWidth, y);
    cairo_line_to(context, x + MarkWidth - MarkSlant, y + MarkHeight);
    cairo_line_to(context, x, y + MarkHeight);
    cairo_close_path(context);
}

// The launch pad under the ship picture: glowing rings on a perspective floor grid.
void PaintBay(cairo_t* context) {
    const double cx = 225;
    const double cy = 166;
    const Box bay{80, 12, 290, 176};
    const Path window = ChamferedOutline(context, bay, {12, 0, 12, 0});
    PaintInset(context, window, bay, 0x07090D);
    cairo_save(context);
    cairo_append_path(context, window.get());
    cairo_clip(context);
    // A cone of light from above.
    cairo_pattern_t* cone = cairo_pattern_create_linear(0, 12, 0, cy);
    art::AddColourStop(cone, 0, HoloBlue, 0.0);
    art::AddColourStop(cone, 1, HoloBlue, 0.10);
    cairo_set_source(context, cone);
    cairo_move_to(context, cx - 50, 12);
    cairo_line_to(context, cx + 50, 12);
    cairo_line_to(context, cx + 150, cy);
    cairo_line_to(context, cx - 150, cy);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_pattern_destroy(cone);
    // Floor grid converging on a far point.
    cairo_set_line_width(context, 1);
    for (int line = -8; line <= 8; ++line) {
        cairo_move_to(context, cx + line * 8, 120);
        cairo_line_to(context, cx + line * 40, 200);
    }
    for (double y : {128.0, 140.0, 156.0, 178.0}) {
        cairo_move_to(context, bay.X, y);
        cairo_line_to(context, bay.X + bay.Width, y);
    }
    art::SetColour(context, HoloBlue, 0.10);
    cairo_stroke(context);
    // Pad rings.
    for (int ring = 3; ring >= 1; --ring) {
        cairo_save(context);
        cairo_translate(context, cx, cy);
        cairo_scale(context, 1.0, 0.2);
        cairo_arc(context, 0, 0, 44.0 * ring, 0, 2 * M_PI);
        cairo_restore(context);
        cairo_set_line_width(context, ring == 3 ? 2 : 1.2);
        art::SetColour(context, ring == 3 ? Amber : HoloBlue, ring == 3 ? 0.55 : 0.35);
        cairo_stroke(context);
    }
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 120);
    art::AddColourStop(glow, 0, Amber, 0.22);
    art::AddColourStop(glow, 1, Amber, 0);
    cairo_save(context);
    cairo_translate(context, cx, cy);
    cairo_scale(context, 1.0, 0.22);
    cairo_translate(context, -cx, -cy);
    cairo_set_source(context, glow);
    cairo_arc(context, cx, cy, 120, 0, 2 * M_PI);
    cairo_fill(context);
    cairo_restore(context);
    cairo_pattern_destroy(glow);
    cairo_restore(context);
}

void PaintRatings(cairo_t* context) {
    // A darker plate behind the four rows, ending above the start button (y 473 on screen).
    const double top = MarkRowY[0] - PanelY - 6;
    const double bottom = MarkRowY[3] - PanelY + MarkHeight + 4;
    art::RoundedRectangle(context, 12, top, PanelWidth - 24, bottom - top, 4);
    cairo_set_source_rgba(context, 0, 0, 0, 0.35);
    cairo_fill_preserve(context);
    cairo_set_line_width(context, 1);
    art::SetColour(context, SteelRim, 0.35);
    cairo_stroke(context);

    CaptionStyle label;
    label.PixelSize = 13;
    label.Tracking = 1.2;
    label.FillTop = CaptionSilverTop;
    label.FillBottom = CaptionSilverBottom;
    label.Edge = CaptionEdge;
    label.EdgeWidth = 2;
    for (int row = 0; row < 4; ++row) {
        const double y = MarkRowY[row] - PanelY;
        DrawCaption(context, RatingLabels[row], MarkLeft - PanelX - 10, y + MarkHeight / 2.0,
                    Align::Right, label);
        for (int mark = 0; mark < MostMarks; ++mark) {
            MarkPath(context, MarkLeft - PanelX + MarkPitch * mark, y);
            art::SetColour(context, 0x07080B);
            cairo_fill_preserve(context);
            cairo_set_line_width(context, 1);
            art::SetColour(context, 0x39434F);
            cairo_stroke(context);
        }
    }
}

}  // namespace

art::Surface DrawShipPanel() {
    art::Surface picture = art::NewSurface(PanelWidth, PanelHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    PaintPanel(context, {1, 1, PanelWidth - 2.0, PanelHeight - 4.0}, 18, GlassPanel);
    PaintBay(context);
    PaintRatings(context);
    return picture;
}

art::Surface DrawRatingMark() {
    art::Surface picture = art::NewSurface(MarkWidth, MarkHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    MarkPath(context, 0, 0);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, MarkHeight);
    art::AddColourStop(fill, 0, AmberPale);
    art::AddColourStop(fill, 0.4, Amber);
    art::AddColourStop(fill, 1, AmberDeep);
    cairo_set_source(context, fill);
    cairo_fill(context);
    cairo_pattern_destroy(fill);
    // A bright top edge, like a lit segment of an instrument.
    cairo_move_to(context, MarkSlant + 1, 1.5);
    cairo_line_to(context, MarkWidth - 1, 1.5);
    cairo_set_line_width(context, 1.5);
    cairo_set_source_rgba(context, 1, 1, 1, 0.8);
    cairo_stroke(context);
    return picture;
}

}  // namespace menu
