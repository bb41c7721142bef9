#include "menu/ScreenButtons.h"

#include <algorithm>
#include <utility>

#include "menu/Captions.h"
#include "menu/Plates.h"

namespace menu {

namespace {

constexpr double GlowMargin = 4;  // free pixels round the plate for the highlight's halo

// A solid chevron pointing left or right, centred on (x, y), size pixels tall, in the colours of
// the caption beside it.
void PaintArrow(cairo_t* context, Arrow direction, double x, double y, double size,
                const CaptionStyle& ink) {
    const double sign = direction == Arrow::Right ? 1 : -1;
    const double half = size / 2;
    const double depth = size * 0.55;
    cairo_new_path(context);
    cairo_move_to(context, x - sign * depth / 2, y - half);
    cairo_line_to(context, x + sign * depth / 2, y);
    cairo_line_to(context, x - sign * depth / 2, y + half);
    cairo_line_to(context, x - sign * (depth / 2 - size * 0.05), y);
    cairo_close_path(context);
    cairo_path_t* shape = cairo_copy_path(context);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_width(context, ink.EdgeWidth);
    art::SetColour(context, ink.Edge);
    cairo_stroke(context);
    cairo_append_path(context, shape);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, y - half, 0, y + half);
    art::AddColourStop(fill, 0, ink.FillTop);
    art::AddColourStop(fill, 1, ink.FillBottom);
    cairo_set_source(context, fill);
    cairo_fill(context);
    cairo_pattern_destroy(fill);
    cairo_path_destroy(shape);
}

void PaintButton(cairo_t* context, const ButtonFace& face, const Box& cell, Look look) {
    const Box plate{cell.X + GlowMargin, cell.Y + GlowMargin, cell.Width - 2 * GlowMargin,
                    cell.Height - 2 * GlowMargin};
    const double cut = std::min(plate.Width, plate.Height) * 0.28;
    const Path outline = ChamferedOutline(context, plate, {cut, 0, cut, 0});
    PaintPlate(context, outline, plate, look);

    const double middleY = plate.Y + plate.Height / 2;
    const double captionSize = std::min(22.0, plate.Height * 0.5);
    const CaptionStyle style = ButtonCaption(captionSize, look == Look::Highlighted);
    if (face.Caption.empty()) {
        PaintArrow(context, face.Direction, plate.X + plate.Width / 2, middleY,
                   std::min(plate.Width * 0.75, plate.Height * 0.4), style);
        return;
    }
    const double arrowSize = captionSize * 0.8;
    const double arrowRoom = face.Direction == Arrow::None ? 0 : arrowSize * 1.2;
    const double captionWidth = CaptionWidth(context, face.Caption, style);
    const double left = plate.X + (plate.Width - captionWidth - arrowRoom) / 2;
    if (face.Direction == Arrow::Left) {
        PaintArrow(context, Arrow::Left, left + arrowSize * 0.3, middleY, arrowSize, style);
        DrawCaption(context, face.Caption, left + arrowRoom, middleY, Align::Left, style);
    } else {
        DrawCaption(context, face.Caption, left, middleY, Align::Left, style);
        if (face.Direction == Arrow::Right)
            PaintArrow(context, Arrow::Right, left + captionWidth + arrowRoom - arrowSize * 0.3,
                       middleY, arrowSize, style);
    }
}

}  // namespace

art::Surface DrawTwoLookStrip(const ButtonFace& face, int width, int height) {
    art::Surface picture = art::NewSurface(2 * width, height);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    const double w = width;
    const double h = height;
    // Each look stays inside its own pattern cell: the halo must not bleed into the other.
    for (const auto& [cell, look] : {std::pair{Box{0, 0, w, h}, Look::Highlighted},
                                     std::pair{Box{w, 0, w, h}, Look::Normal}}) {
        cairo_save(context);
        cairo_rectangle(context, cell.X, cell.Y, cell.Width, cell.Height);
        cairo_clip(context);
        PaintButton(context, face, cell, look);
        cairo_restore(context);
    }
    return picture;
}

}  // namespace menu
