// The mini-map's markers and signs (mini-map images 10..17): the opponents' blips, the player's
// own mark, the frame pieces cut from the panel, the turn warnings and the far-ship arrows.

#include <cmath>

#include "MiniMapArt.h"
#include "PanelGauges.h"
#include "PanelLayout.h"
#include "Patterns.h"
#include "RaceImages.h"

namespace art::race {

namespace {

constexpr int MarkerWidth = 40, MarkerHeight = 12;  // centred on the road at x 20
constexpr int PlayerMarkWidth = 38, PlayerMarkHeight = 22;
constexpr int WarningSize = 24;
constexpr int ArrowWidth = 11, ArrowHeight = 16;

// A ship's arrowhead pointing up the map, centred on (x, y).
void ArrowheadPath(cairo_t* context, double x, double y, double halfWidth, double halfHeight) {
    cairo_move_to(context, x, y - halfHeight);
    cairo_line_to(context, x + halfWidth, y + halfHeight);
    cairo_line_to(context, x, y + halfHeight * 0.45);
    cairo_line_to(context, x - halfWidth, y + halfHeight);
    cairo_close_path(context);
}

void Halo(cairo_t* context, double x, double y, double radius, uint32_t colour, double alpha) {
    cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    const double r = ((colour >> 16) & 0xFF) / 255.0, g = ((colour >> 8) & 0xFF) / 255.0,
                 b = (colour & 0xFF) / 255.0;
    cairo_pattern_add_color_stop_rgba(halo, 0, r, g, b, alpha);
    cairo_pattern_add_color_stop_rgba(halo, 1, r, g, b, 0);
    cairo_set_source(context, halo);
    cairo_pattern_destroy(halo);  // the context holds its own reference
    cairo_arc(context, x, y, radius, 0, 2 * M_PI);
    cairo_fill(context);
}

ImageRecord Single(const char* name, int width, int height, const PatternPainter& paint) {
    return StripRecord(name, width, height, 1, paint);
}

// A thick arrow that bends 90 degrees toward the side of the coming turn: up, then across.
void PaintTurnArrow(cairo_t* context, bool left) {
    cairo_translate(context, WarningSize / 2.0, WarningSize / 2.0);
    if (left)
        cairo_scale(context, -1, 1);
    auto shaft = [&]() {
        cairo_move_to(context, -5, 11);
        cairo_line_to(context, -5, 0);
        cairo_curve_to(context, -5, -3, -3, -4, 0, -4);
        cairo_line_to(context, 3, -4);
    };
    auto head = [&]() {
        cairo_move_to(context, 2, -11);
        cairo_line_to(context, 10.5, -4);
        cairo_line_to(context, 2, 3);
        cairo_close_path(context);
    };
    // A dark outline first, so the sign stands out on the map's glass.
    SetColour(context, 0x000000, 0.85);
    cairo_set_line_width(context, 7.4);
    shaft();
    cairo_stroke(context);
    head();
    cairo_set_line_width(context, 1.6);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(context);

    cairo_pattern_t* amber = cairo_pattern_create_linear(0, -11, 0, 11);
    cairo_pattern_add_color_stop_rgb(amber, 0, 1.0, 0.88, 0.4);
    cairo_pattern_add_color_stop_rgb(amber, 1, 1.0, 0.55, 0.05);
    cairo_set_source(context, amber);
    cairo_set_line_width(context, 5);
    shaft();
    cairo_stroke(context);
    head();
    cairo_fill(context);
    cairo_pattern_destroy(amber);
}

}  // namespace

ImageRecord OpponentMarkerImage() {
    return Single("map opponent", MarkerWidth, MarkerHeight, [](cairo_t* context, int) {
        Halo(context, MarkerWidth / 2.0, MarkerHeight / 2.0, 7, 0xFF2030, 0.5);
        ArrowheadPath(context, MarkerWidth / 2.0, MarkerHeight / 2.0, 4, 4.5);
        SetColour(context, 0x300000);
        cairo_set_line_width(context, 1.2);
        cairo_stroke_preserve(context);
        SetColour(context, 0xFF4050);
        cairo_fill(context);
    });
}

ImageRecord PlayerMarkerImage() {
    // The player's arrowhead in bright yellow, held in brackets so it is found at a glance.
    return Single("map player", PlayerMarkWidth, PlayerMarkHeight, [](cairo_t* context, int) {
        const double cx = PlayerMarkWidth / 2.0, cy = PlayerMarkHeight / 2.0;
        Halo(context, cx, cy, 10, 0xFFF060, 0.45);
        ArrowheadPath(context, cx, cy, 5, 6);
        SetColour(context, 0x302800);
        cairo_set_line_width(context, 1.2);
        cairo_stroke_preserve(context);
        SetColour(context, 0xFFF27A);
        cairo_fill(context);
        cairo_set_line_width(context, 1.6);
        for (double side : {-1.0, 1.0}) {
            const double x = cx + side * 14;
            cairo_move_to(context, x - side * 3.5, 2);
            cairo_line_to(context, x, 2);
            cairo_line_to(context, x, PlayerMarkHeight - 2);
            cairo_line_to(context, x - side * 3.5, PlayerMarkHeight - 2);
        }
        SetColour(context, 0xFFE040, 0.9);
        cairo_stroke(context);
    });
}

ImageRecord MapFrameImage(bool top) {
    // Cut from the panel itself, so the pieces hide the scrolling rows without a visible edge.
    const Box frame = top ? MapTopFrame : MapBottomFrame;
    const Surface panel = DrawInstrumentPanel();
    return Single(top ? "map top frame" : "map bottom frame", static_cast<int>(frame.Width),
                  static_cast<int>(frame.Height), [&](cairo_t* context, int) {
                      cairo_set_source_surface(context, panel.get(), PanelLeft - frame.X, -frame.Y);
                      cairo_paint(context);
                  });
}

ImageRecord TurnWarningImage(bool left) {
    return Single(left ? "turn left warning" : "turn right warning", WarningSize, WarningSize,
                  [left](cairo_t* context, int) { PaintTurnArrow(context, left); });
}

ImageRecord FarShipArrowImage(bool ahead) {
    // In the read-outs' green, beside the distance the race writes next to it.
    return Single(ahead ? "far ship ahead" : "far ship behind", ArrowWidth, ArrowHeight,
                  [ahead](cairo_t* context, int) {
                      if (!ahead) {
                          cairo_translate(context, 0, ArrowHeight);
                          cairo_scale(context, 1, -1);
                      }
                      const double cx = ArrowWidth / 2.0;
                      cairo_move_to(context, cx, 1);
                      cairo_line_to(context, ArrowWidth - 0.5, 7.5);
                      cairo_line_to(context, cx + 1.8, 7.5);
                      cairo_line_to(context, cx + 1.8, ArrowHeight - 1);
                      cairo_line_to(context, cx - 1.8, ArrowHeight - 1);
                      cairo_line_to(context, cx - 1.8, 7.5);
                      cairo_line_to(context, 0.5, 7.5);
                      cairo_close_path(context);
                      cairo_set_source_rgb(context, ReadoutGreen.R, ReadoutGreen.G, ReadoutGreen.B);
                      cairo_fill(context);
                  });
}

}  // namespace art::race
