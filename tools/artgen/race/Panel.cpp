// The instrument panel (race image 2) at the right of the race, x 575..800: a dark gunmetal
// console with dark glass screens under every green read-out the race writes, the mini-map's
// window, the slanted speedometer with its unlit digits, and the four energy-cell sockets.

#include <cmath>

#include "EffectPaint.h"
#include "Noise.h"
#include "PanelGauges.h"
#include "PanelLayout.h"
#include "Patterns.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

namespace art::race {

namespace {

constexpr uint32_t CasingSeed = 201;
const Rgba Accent = Hex(0xFF8A1C);  // the barrier orange, for the console's trim

// Brushed gunmetal, a little lighter toward the top.
Rgba CasingColour(double x, double y) {
    const double brush = TileFractal(x / 40, y / 2, 64, 512, 3, CasingSeed);
    const double mottle = TileFractal(x / 60, y / 60, 16, 16, 3, CasingSeed + 1);
    const double k = (0.92 + 0.14 * brush) * (0.9 + 0.2 * mottle) * (1.08 - 0.16 * y / PanelHeight);
    return Shade(Hex(0x2A2D33), k);
}

void BoxPath(cairo_t* context, const Box& box, double grow, double radius) {
    RoundedRectangle(context, box.X - grow, box.Y - grow, box.Width + 2 * grow,
                     box.Height + 2 * grow, radius);
}

// A raised steel bezel with a dark glass screen set into it.
void PaintScreen(cairo_t* context, const Box& box) {
    BoxPath(context, box, 3, 5);
    cairo_pattern_t* bezel = cairo_pattern_create_linear(0, box.Y - 3, 0, box.Y + box.Height + 3);
    cairo_pattern_add_color_stop_rgb(bezel, 0, 0.55, 0.57, 0.61);
    cairo_pattern_add_color_stop_rgb(bezel, 0.5, 0.25, 0.26, 0.29);
    cairo_pattern_add_color_stop_rgb(bezel, 1, 0.12, 0.13, 0.15);
    cairo_set_source(context, bezel);
    cairo_fill(context);
    cairo_pattern_destroy(bezel);

    BoxPath(context, box, 0, 3);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, box.Y, 0, box.Y + box.Height);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.035, 0.07, 0.045);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.01, 0.025, 0.015);
    cairo_set_source(context, glass);
    cairo_fill_preserve(context);
    cairo_pattern_destroy(glass);
    SetColour(context, 0x000000, 0.9);
    cairo_set_line_width(context, 1.2);
    cairo_stroke(context);

    // Faint scan lines, and a soft reflection across the upper part of the glass.
    cairo_save(context);
    BoxPath(context, box, -0.6, 3);
    cairo_clip(context);
    for (double y = box.Y + 1; y < box.Y + box.Height; y += 2) {
        cairo_rectangle(context, box.X, y, box.Width, 1);
    }
    SetColour(context, 0x000000, 0.18);
    cairo_fill(context);
    cairo_move_to(context, box.X, box.Y);
    cairo_line_to(context, box.X + box.Width * 0.55, box.Y);
    cairo_line_to(context, box.X + box.Width * 0.35, box.Y + std::min(box.Height, 40.0) * 0.45);
    cairo_line_to(context, box.X, box.Y + std::min(box.Height, 40.0) * 0.45);
    cairo_close_path(context);
    SetColour(context, 0xFFFFFF, 0.035);
    cairo_fill(context);
    cairo_restore(context);
}

void PaintLabel(cairo_t* context, const char* text, double x, double y) {
    SelectFace(context, Face::NewZelek, 9.5, true);
    SetColour(context, 0x000000, 0.7);
    DrawCentredText(context, text, x + 0.7, y + 0.8);
    SetColour(context, 0xA8ADB6);
    DrawCentredText(context, text, x, y);
}

void PaintScrew(cairo_t* context, double x, double y) {
    cairo_arc(context, x, y, 2.6, 0, 2 * M_PI);
    cairo_pattern_t* head = cairo_pattern_create_radial(x - 0.8, y - 0.8, 0.3, x, y, 2.6);
    cairo_pattern_add_color_stop_rgb(head, 0, 0.75, 0.77, 0.8);
    cairo_pattern_add_color_stop_rgb(head, 1, 0.22, 0.23, 0.26);
    cairo_set_source(context, head);
    cairo_pattern_destroy(head);  // the context holds its own reference
    cairo_fill(context);
    cairo_move_to(context, x - 1.7, y + 1.7);
    cairo_line_to(context, x + 1.7, y - 1.7);
    SetColour(context, 0x15161A);
    cairo_set_line_width(context, 0.9);
    cairo_stroke(context);
}

// An engraved seam across the console: a dark groove over a light edge.
void PaintSeam(cairo_t* context, double x0, double y0, double x1, double y1) {
    cairo_set_line_width(context, 1);
    cairo_move_to(context, x0, y0 + 0.5);
    cairo_line_to(context, x1, y1 + 0.5);
    SetColour(context, 0x0C0D10);
    cairo_stroke(context);
    cairo_move_to(context, x0, y0 + 1.5);
    cairo_line_to(context, x1, y1 + 1.5);
    SetColour(context, 0x4C5058);
    cairo_stroke(context);
}

// The edge toward the race: a bevelled steel frame with an orange light strip.
void PaintRaceEdge(cairo_t* context) {
    const double x = PanelLeft;
    cairo_rectangle(context, x, 0, 8, PanelHeight);
    cairo_pattern_t* bevel = cairo_pattern_create_linear(x, 0, x + 8, 0);
    cairo_pattern_add_color_stop_rgb(bevel, 0, 0.08, 0.09, 0.1);
    cairo_pattern_add_color_stop_rgb(bevel, 0.3, 0.5, 0.52, 0.56);
    cairo_pattern_add_color_stop_rgb(bevel, 1, 0.16, 0.17, 0.19);
    cairo_set_source(context, bevel);
    cairo_pattern_destroy(bevel);  // the context holds its own reference
    cairo_fill(context);
    cairo_rectangle(context, x + 8, 0, 2, PanelHeight);
    cairo_set_source_rgba(context, Accent.R, Accent.G, Accent.B, 0.85);
    cairo_fill(context);
    cairo_rectangle(context, x + 10, 0, 3, PanelHeight);
    cairo_set_source_rgba(context, Accent.R, Accent.G, Accent.B, 0.18);
    cairo_fill(context);
}

// The slanted screen of the speedometer, following its rising row of digits.
void PaintSpeedScreen(cairo_t* context) {
    const double left = 637, right = 730;
    const double top = 431, bottom = 464;  // at x = left
    auto at = [&](double x, double y) { return Vec2{x, y + (x - left) * SpeedRowSlope}; };
    const Polygon glass = {at(left, top), at(right, top), at(right, bottom), at(left, bottom)};
    const Polygon bezel = {at(left - 3, top - 3), at(right + 3, top - 3), at(right + 3, bottom + 3),
                           at(left - 3, bottom + 3)};
    PolygonPath(context, bezel);
    SetColour(context, 0x3E4148);
    cairo_fill(context);
    PolygonPath(context, glass);
    SetColour(context, 0x040905);
    cairo_fill_preserve(context);
    SetColour(context, 0x000000);
    cairo_set_line_width(context, 1.2);
    cairo_stroke(context);
    for (Vec2 place : DigitPlaces)
        PaintSegmentDigit(context, place, 0, false);
    PaintLabel(context, "SPEED", 662, 470);
}

void PaintLogo(cairo_t* context) {
    // The game's name on a small plate between the score and the speedometer.
    cairo_save(context);
    cairo_translate(context, 716, 366);
    cairo_matrix_t lean;
    cairo_matrix_init(&lean, 1, 0, -0.22, 1, 0, 0);
    cairo_transform(context, &lean);
    SelectFace(context, Face::BancoDi, 26, true);
    SetColour(context, 0x0A0B0D);
    DrawCentredText(context, "ZORVEX", 1.2, 1.5);
    cairo_text_extents_t extents;
    cairo_text_extents(context, "ZORVEX", &extents);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, -10, 0, 10);
    cairo_pattern_add_color_stop_rgb(metal, 0, 1.0, 0.86, 0.55);
    cairo_pattern_add_color_stop_rgb(metal, 0.5, 1.0, 0.54, 0.11);
    cairo_pattern_add_color_stop_rgb(metal, 1, 0.62, 0.22, 0.04);
    cairo_set_source(context, metal);
    DrawCentredText(context, "ZORVEX", 0, 0);
    cairo_pattern_destroy(metal);
    cairo_restore(context);
}

void PaintLivesIcon(cairo_t* context) {
    // A small ship beside the lives digit.
    cairo_save(context);
    cairo_translate(context, 748, 575);
    cairo_move_to(context, 0, -10);
    cairo_line_to(context, 3, -3);
    cairo_line_to(context, 10, 6);
    cairo_line_to(context, 10, 9);
    cairo_line_to(context, 3, 7);
    cairo_line_to(context, 0, 10);
    cairo_line_to(context, -3, 7);
    cairo_line_to(context, -10, 9);
    cairo_line_to(context, -10, 6);
    cairo_line_to(context, -3, -3);
    cairo_close_path(context);
    SetColour(context, 0xC8CCD4);
    cairo_fill(context);
    cairo_restore(context);
    SelectFace(context, Face::NewZelek, 10, true);
    SetColour(context, 0xA8ADB6);
    DrawCentredText(context, "x", 759, 577);
}

}  // namespace

Surface DrawInstrumentPanel() {
    Surface panel = NewSurface(PanelWidth, PanelHeight);
    {
        Context canvas = NewContext(panel);
        PaintPixels(canvas.get(),
                    [](double x, double y) { return CasingColour(x + PanelLeft, y); });
    }
    Context context = NewContext(panel);
    cairo_t* cr = context.get();
    cairo_translate(cr, -PanelLeft, 0);

    PaintRaceEdge(cr);
    PaintSeam(cr, PanelLeft + 13, 262, 800, 262);
    PaintSeam(cr, PanelLeft + 13, 340, 800, 340);
    PaintSeam(cr, PanelLeft + 13, 392, 800, 392);
    for (double y : {8.0, 252.0, 272.0, 330.0, 350.0, 382.0, 402.0, 590.0}) {
        PaintScrew(cr, PanelLeft + 19, y);
        if (y > 240)
            PaintScrew(cr, 793, y);
    }

    PaintScreen(cr, LevelScreen);
    PaintScreen(cr, MapScreen);
    PaintScreen(cr, TimeScreen);
    PaintScreen(cr, ScoreScreen);
    PaintScreen(cr, LivesScreen);

    // The mini-map's guide: a faint centre line where the road stays.
    cairo_rectangle(cr, 731.5, MapScreen.Y + 2, 1, MapScreen.Height - 4);
    SetColour(cr, 0x1A3A20, 0.6);
    cairo_fill(cr);

    PaintLabel(cr, "TRACK", 620, 120);
    PaintLabel(cr, "POS", 620, 198);
    PaintLabel(cr, "TIME", 620, 238);
    PaintLabel(cr, "SCORE", 611, 318);
    PaintLogo(cr);
    PaintSpeedScreen(cr);
    for (int cell = 1; cell <= 4; ++cell)
        PaintEnergyCell(cr, cell, false, {0, 0});
    PaintLabel(cr, "ENERGY", 700, 530);
    PaintLivesIcon(cr);
    return panel;
}

ImageRecord InstrumentPanelImage() {
    return PictureRecord("instrument panel", DrawInstrumentPanel(), false);
}

}  // namespace art::race
