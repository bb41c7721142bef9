#include "menu/PanelFrame.h"

#include "kit/ArtKit.h"

namespace menu {

void PaintPanel(cairo_t* context, const Box& box, double cut, const PanelColours& colours) {
    const Path outline = ChamferedOutline(context, box, {cut, 0, cut, 0});
    cairo_save(context);
    cairo_translate(context, 0, 2);
    cairo_append_path(context, outline.get());
    cairo_set_source_rgba(context, 0, 0, 0, 0.5);
    cairo_fill(context);
    cairo_restore(context);

    cairo_append_path(context, outline.get());
    SetVerticalGradient(context, box, colours.Top, colours.Bottom);
    cairo_fill(context);

    // Scan lines, every third row: the glass of a cockpit display.
    cairo_save(context);
    cairo_append_path(context, outline.get());
    cairo_clip(context);
    for (double y = box.Y + 1.5; y < box.Y + box.Height; y += 3) {
        cairo_move_to(context, box.X, y);
        cairo_line_to(context, box.X + box.Width, y);
    }
    cairo_set_line_width(context, 1);
    cairo_set_source_rgba(context, 1, 1, 1, 0.018);
    cairo_stroke(context);
    cairo_restore(context);

    // Border: dark outer edge, steel line inside it.
    cairo_append_path(context, outline.get());
    cairo_set_line_width(context, 2);
    cairo_set_source_rgba(context, 0, 0, 0, 0.9);
    cairo_stroke(context);
    const Box inner{box.X + 4, box.Y + 4, box.Width - 8, box.Height - 8};
    const Path innerOutline = ChamferedOutline(context, inner, {cut - 2, 0, cut - 2, 0});
    cairo_append_path(context, innerOutline.get());
    cairo_set_line_width(context, 1);
    art::SetColour(context, colours.Border, 0.75);
    cairo_stroke(context);

    // Amber accents along the two uncut corners.
    const double tick = 22;
    cairo_set_line_width(context, 3);
    art::SetColour(context, colours.Accent);
    cairo_move_to(context, box.X + box.Width - 2 - tick, box.Y + 2);
    cairo_line_to(context, box.X + box.Width - 2, box.Y + 2);
    cairo_line_to(context, box.X + box.Width - 2, box.Y + 2 + tick);
    cairo_move_to(context, box.X + 2 + tick, box.Y + box.Height - 2);
    cairo_line_to(context, box.X + 2, box.Y + box.Height - 2);
    cairo_line_to(context, box.X + 2, box.Y + box.Height - 2 - tick);
    cairo_stroke(context);
    // and a short bar on each cut corner.
    cairo_set_line_width(context, 2);
    cairo_move_to(context, box.X + 3, box.Y + cut + 6);
    cairo_line_to(context, box.X + cut + 6, box.Y + 3);
    cairo_move_to(context, box.X + box.Width - 3, box.Y + box.Height - cut - 6);
    cairo_line_to(context, box.X + box.Width - cut - 6, box.Y + box.Height - 3);
    art::SetColour(context, colours.Accent, 0.6);
    cairo_stroke(context);
}

}  // namespace menu
