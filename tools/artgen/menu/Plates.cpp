#include "menu/Plates.h"

#include <initializer_list>
#include <utility>

#include "kit/ArtKit.h"
#include "menu/MenuPalette.h"

namespace menu {

namespace {

void Replay(cairo_t* context, const Path& outline) {
    cairo_new_path(context);
    cairo_append_path(context, outline.get());
}

void SetGradient(cairo_t* context, const Box& box,
                 std::initializer_list<std::pair<double, uint32_t>> stops) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.Y, 0, box.Y + box.Height);
    for (const auto& [offset, rgb] : stops)
        art::AddColourStop(gradient, offset, rgb);
    cairo_set_source(context, gradient);
    cairo_pattern_destroy(gradient);
}

// A light band over the top part of the plate, fading downwards: the reflection of the sky.
void PaintSheen(cairo_t* context, const Path& outline, const Box& box, double strength) {
    cairo_save(context);
    Replay(context, outline);
    cairo_clip(context);
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, box.Y, 0, box.Y + box.Height * 0.5);
    cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0);
    cairo_set_source(context, sheen);
    cairo_rectangle(context, box.X, box.Y, box.Width, box.Height * 0.5);
    cairo_fill(context);
    cairo_pattern_destroy(sheen);
    cairo_restore(context);
}

}  // namespace

Path ChamferedOutline(cairo_t* context, const Box& box, const Chamfer& cut) {
    const double right = box.X + box.Width;
    const double bottom = box.Y + box.Height;
    cairo_new_path(context);
    cairo_move_to(context, box.X + cut.TopLeft, box.Y);
    cairo_line_to(context, right - cut.TopRight, box.Y);
    cairo_line_to(context, right, box.Y + cut.TopRight);
    cairo_line_to(context, right, bottom - cut.BottomRight);
    cairo_line_to(context, right - cut.BottomRight, bottom);
    cairo_line_to(context, box.X + cut.BottomLeft, bottom);
    cairo_line_to(context, box.X, bottom - cut.BottomLeft);
    cairo_line_to(context, box.X, box.Y + cut.TopLeft);
    cairo_close_path(context);
    Path path(cairo_copy_path(context));
    cairo_new_path(context);
    return path;
}

Path SlantedOutline(cairo_t* context, const Box& box, double slant) {
    cairo_new_path(context);
    cairo_move_to(context, box.X + slant, box.Y);
    cairo_line_to(context, box.X + box.Width, box.Y);
    cairo_line_to(context, box.X + box.Width - slant, box.Y + box.Height);
    cairo_line_to(context, box.X, box.Y + box.Height);
    cairo_close_path(context);
    Path path(cairo_copy_path(context));
    cairo_new_path(context);
    return path;
}

void SetVerticalGradient(cairo_t* context, const Box& box, uint32_t top, uint32_t bottom) {
    SetGradient(context, box, {{0.0, top}, {1.0, bottom}});
}

void PaintGlow(cairo_t* context, const Path& outline, uint32_t colour, double reach, double alpha) {
    cairo_save(context);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    const int layers = 6;
    for (int layer = 0; layer < layers; ++layer) {
        const double share = (layer + 1.0) / layers;  // 1/6 .. 1, widest first
        Replay(context, outline);
        cairo_set_line_width(context, 2 * reach * (1.0 - share) + 1.0);
        art::SetColour(context, colour, alpha * share * share / 2.2);
        cairo_stroke(context);
    }
    cairo_restore(context);
}

void PaintPlate(cairo_t* context, const Path& outline, const Box& box, Look look) {
    const bool lit = look == Look::Highlighted;
    cairo_save(context);
    if (lit)
        PaintGlow(context, outline, Amber, 6, 0.9);

    // Drop shadow, two pixels down.
    cairo_save(context);
    cairo_translate(context, 0, 2);
    Replay(context, outline);
    cairo_set_source_rgba(context, 0, 0, 0, 0.55);
    cairo_fill(context);
    cairo_restore(context);

    Replay(context, outline);
    if (lit)
        SetGradient(context, box, {{0.0, AmberPale}, {0.45, Amber}, {1.0, AmberDeep}});
    else
        SetGradient(context, box, {{0.0, MetalLight}, {0.5, 0x272C37}, {1.0, MetalDark}});
    cairo_fill(context);
    PaintSheen(context, outline, box, lit ? 0.35 : 0.10);

    // Rim: a dark outer line with a thin light line just inside it.
    Replay(context, outline);
    cairo_set_line_width(context, 2.0);
    art::SetColour(context, lit ? 0x7A3300 : 0x0A0C10, 0.9);
    cairo_stroke(context);
    cairo_save(context);
    Replay(context, outline);
    cairo_clip(context);
    Replay(context, outline);
    cairo_set_line_width(context, 3.0);
    art::SetColour(context, lit ? AmberPale : SteelRim, lit ? 0.9 : 0.8);
    cairo_stroke(context);
    cairo_restore(context);
    cairo_restore(context);
}

void PaintInset(cairo_t* context, const Path& outline, const Box& box, uint32_t interior) {
    cairo_save(context);
    Replay(context, outline);
    art::SetColour(context, interior);
    cairo_fill(context);
    // Inner shadow along the top: the slot is sunk into the metal.
    cairo_save(context);
    Replay(context, outline);
    cairo_clip(context);
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, box.Y, 0, box.Y + 8);
    cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.7);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0);
    cairo_set_source(context, shade);
    cairo_paint(context);
    cairo_pattern_destroy(shade);
    cairo_restore(context);
    // Rim: dark above, catching light below.
    Replay(context, outline);
    cairo_set_line_width(context, 1.5);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, box.Y, 0, box.Y + box.Height);
    art::AddColourStop(rim, 0, 0x000000, 0.9);
    art::AddColourStop(rim, 1, SteelRim, 0.9);
    cairo_set_source(context, rim);
    cairo_stroke(context);
    cairo_pattern_destroy(rim);
    cairo_restore(context);
}

void PaintCornerTicks(cairo_t* context, const Box& box, double length, double inset,
                      uint32_t colour, double alpha) {
    const double left = box.X + inset;
    const double top = box.Y + inset;
    const double right = box.X + box.Width - inset;
    const double bottom = box.Y + box.Height - inset;
    cairo_save(context);
    cairo_new_path(context);
    cairo_move_to(context, left, top + length);
    cairo_line_to(context, left, top);
    cairo_line_to(context, left + length, top);
    cairo_move_to(context, right - length, top);
    cairo_line_to(context, right, top);
    cairo_line_to(context, right, top + length);
    cairo_move_to(context, right, bottom - length);
    cairo_line_to(context, right, bottom);
    cairo_line_to(context, right - length, bottom);
    cairo_move_to(context, left + length, bottom);
    cairo_line_to(context, left, bottom);
    cairo_line_to(context, left, bottom - length);
    cairo_set_line_width(context, 2.0);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_SQUARE);
    art::SetColour(context, colour, alpha);
    cairo_stroke(context);
    cairo_restore(context);
}

}  // namespace menu
