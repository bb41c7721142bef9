// The speedometer digits (race images 47..56), its unit label (image 57) and the energy cells
// (images 43..46), and their unlit look on the panel.

#include "PanelGauges.h"

#include <cmath>
#include <string>

#include "PanelLayout.h"
#include "Patterns.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

namespace art::race {

namespace {

// Segments a..g of each digit, bit 0 = a (top), then clockwise b, c, d, e, f, and g the middle.
constexpr int DigitSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

constexpr double Slant = 0.17;  // italic lean: pixels right per pixel up
constexpr double SegmentWidth = 7.2, SegmentHeight = 13.6, Thickness = 1.8;

// A segment from (u0, v0) to (u1, v1) along one axis, with pointed ends; u across, v down.
Polygon SegmentOutline(double u0, double v0, double u1, double v1) {
    const double h = Thickness / 2, gap = 0.35;
    if (v0 == v1) {  // horizontal
        u0 += gap;
        u1 -= gap;
        return {{u0, v0}, {u0 + h, v0 - h}, {u1 - h, v0 - h},
                {u1, v0}, {u1 - h, v0 + h}, {u0 + h, v0 + h}};
    }
    v0 += gap;
    v1 -= gap;
    return {{u0, v0}, {u0 + h, v0 + h}, {u0 + h, v1 - h},
            {u0, v1}, {u0 - h, v1 - h}, {u0 - h, v0 + h}};
}

void SegmentPath(cairo_t* context, Vec2 topLeft, int segment) {
    const double w = SegmentWidth, hgt = SegmentHeight, m = hgt / 2, l = 1.0, r = w - 1.0;
    const double top = 1.0, bottom = hgt - 1.0 + 0.4;
    Polygon outline;
    switch (segment) {
        case 0:
            outline = SegmentOutline(l, top, r, top);
            break;
        case 1:
            outline = SegmentOutline(r, top, r, m);
            break;
        case 2:
            outline = SegmentOutline(r, m, r, bottom);
            break;
        case 3:
            outline = SegmentOutline(l, bottom, r, bottom);
            break;
        case 4:
            outline = SegmentOutline(l, m, l, bottom);
            break;
        case 5:
            outline = SegmentOutline(l, top, l, m);
            break;
        default:
            outline = SegmentOutline(l, m, r, m);
            break;
    }
    for (Vec2& p : outline)
        p = {topLeft.X + 0.6 + p.X + (DigitHeight - p.Y) * Slant * 0.8, topLeft.Y + 0.4 + p.Y};
    PolygonPath(context, outline);
}

ImageRecord SingleImage(const std::string& name, int width, int height,
                        const PatternPainter& paint) {
    return StripRecord(name, width, height, 1, paint);
}

}  // namespace

void PaintSegmentDigit(cairo_t* context, Vec2 topLeft, int digit, bool lit) {
    const int mask = lit ? DigitSegments[digit] : 0x7F;
    for (int segment = 0; segment < 7; ++segment) {
        if (!(mask & (1 << segment)))
            continue;
        SegmentPath(context, topLeft, segment);
        if (lit) {
            SetColour(context, 0xB8FF80);
            cairo_fill_preserve(context);
            cairo_set_source_rgba(context, ReadoutGreen.R, ReadoutGreen.G, ReadoutGreen.B, 0.9);
            cairo_set_line_width(context, 0.6);
            cairo_stroke(context);
        } else {
            SetColour(context, 0x0E2208);
            cairo_fill(context);
        }
    }
}

void PaintEnergyCell(cairo_t* context, int cell, bool lit, Vec2 origin) {
    // Red when only one cell is left, through orange and yellow to green when full.
    static const uint32_t colours[4] = {0xFF3A1E, 0xFF9A1C, 0xF2E226, 0x5CF03A};
    const Rgba colour = Hex(colours[cell - 1]);
    cairo_save(context);
    cairo_translate(context, -origin.X, -origin.Y);
    if (!lit) {
        // The empty socket: a dark recess with a faint cold cell inside.
        PolygonPath(context, EnergyCellOutline(cell, 1.6));
        SetColour(context, 0x07080A);
        cairo_fill_preserve(context);
        SetColour(context, 0x5A5E66);
        cairo_set_line_width(context, 0.8);
        cairo_stroke(context);
        PolygonPath(context, EnergyCellOutline(cell, -0.5));
        const Rgba cold = Shade(colour, 0.2);
        cairo_set_source_rgb(context, cold.R, cold.G, cold.B);
        cairo_fill(context);
        cairo_restore(context);
        return;
    }
    const Polygon outline = EnergyCellOutline(cell);
    // Lit across the arc: bright along the middle, deeper at the rims.
    const Vec2 c = EnergyArcCentre;
    cairo_pattern_t* glow =
        cairo_pattern_create_radial(c.X, c.Y, EnergyArcInner, c.X, c.Y, EnergyArcOuter);
    const Rgba rim = Shade(colour, 0.55), core = Mix(colour, Hex(0xFFFFFF), 0.45);
    cairo_pattern_add_color_stop_rgb(glow, 0, rim.R, rim.G, rim.B);
    cairo_pattern_add_color_stop_rgb(glow, 0.35, colour.R, colour.G, colour.B);
    cairo_pattern_add_color_stop_rgb(glow, 0.6, core.R, core.G, core.B);
    cairo_pattern_add_color_stop_rgb(glow, 1, rim.R, rim.G, rim.B);
    PolygonPath(context, outline);
    cairo_set_source(context, glow);
    cairo_fill_preserve(context);
    cairo_pattern_destroy(glow);
    const Rgba edge = Shade(colour, 0.35);
    cairo_set_source_rgb(context, edge.R, edge.G, edge.B);
    cairo_set_line_width(context, 0.8);
    cairo_stroke(context);
    cairo_restore(context);
}

ImageRecord SpeedDigitImage(int digit) {
    return SingleImage("speed digit " + std::to_string(digit), DigitWidth, DigitHeight,
                       [digit](cairo_t* context, int) {
                           PaintSegmentDigit(context, {0, 0}, digit, true);
                       });
}

ImageRecord SpeedUnitImage() {
    // "KM/H", leaning with the rising row of digits.
    return SingleImage("speed unit", SpeedUnitWidth, SpeedUnitHeight, [](cairo_t* context, int) {
        cairo_translate(context, SpeedUnitWidth / 2.0, SpeedUnitHeight / 2.0);
        cairo_rotate(context, std::atan(SpeedRowSlope));
        cairo_matrix_t lean;
        cairo_matrix_init(&lean, 1, 0, -Slant, 1, 0, 0);
        cairo_transform(context, &lean);
        SelectFace(context, Face::NewZelek, 8.5, true);
        cairo_set_source_rgb(context, ReadoutGreen.R, ReadoutGreen.G, ReadoutGreen.B);
        DrawCentredText(context, "KM/H", 0, 0);
    });
}

ImageRecord EnergyCellImage(int cell) {
    double right = 0, bottom = 0;
    for (Vec2 p : EnergyCellOutline(cell)) {
        right = std::max(right, p.X);
        bottom = std::max(bottom, p.Y);
    }
    const Vec2 place = EnergyCellPlaces[cell - 1];
    const int width = static_cast<int>(std::ceil(right - place.X)) + 1;
    const int height = static_cast<int>(std::ceil(bottom - place.Y)) + 1;
    return SingleImage(
        "energy cell " + std::to_string(cell), width, height,
        [cell, place](cairo_t* context, int) { PaintEnergyCell(context, cell, true, place); });
}

}  // namespace art::race
