#include "BonusIcons.h"

#include <cmath>

#include "kit/ArtKit.h"

namespace art::race {

void DrawShipEmblem(cairo_t* context) {
    // A ship seen from above with a small plus beside it: one more ship.
    cairo_move_to(context, -2, -11);
    cairo_line_to(context, 1, -4);
    cairo_line_to(context, 8, 6);
    cairo_line_to(context, 8, 9);
    cairo_line_to(context, 1.5, 7);
    cairo_line_to(context, -2, 10);
    cairo_line_to(context, -5.5, 7);
    cairo_line_to(context, -12, 9);
    cairo_line_to(context, -12, 6);
    cairo_line_to(context, -5, -4);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_rectangle(context, 7, -9, 7, 2.4);
    cairo_rectangle(context, 9.3, -11.3, 2.4, 7);
    cairo_fill(context);
}

void DrawShieldEmblem(cairo_t* context) {
    cairo_move_to(context, 0, -11);
    cairo_curve_to(context, 4, -8.5, 7, -8, 9.5, -8);
    cairo_curve_to(context, 9.5, 2, 6, 7.5, 0, 11);
    cairo_curve_to(context, -6, 7.5, -9.5, 2, -9.5, -8);
    cairo_curve_to(context, -7, -8, -4, -8.5, 0, -11);
    cairo_close_path(context);
    cairo_fill(context);
}

void DrawChevronEmblem(cairo_t* context) {
    // Two chevrons pointing forward: a burst of speed.
    for (double top : {-11.0, -2.5}) {
        cairo_move_to(context, 0, top);
        cairo_line_to(context, 10, top + 9);
        cairo_line_to(context, 10, top + 13.5);
        cairo_line_to(context, 0, top + 5);
        cairo_line_to(context, -10, top + 13.5);
        cairo_line_to(context, -10, top + 9);
        cairo_close_path(context);
    }
    cairo_fill(context);
}

void DrawStarburstEmblem(cairo_t* context) {
    // An energy ball with eight rays, like the super-shot itself.
    for (int i = 0; i < 16; ++i) {
        const double angle = i * M_PI / 8 - M_PI / 2;
        const double radius = i % 2 == 0 ? 11.5 : 5.5;
        const double x = radius * std::cos(angle), y = radius * std::sin(angle);
        if (i == 0)
            cairo_move_to(context, x, y);
        else
            cairo_line_to(context, x, y);
    }
    cairo_close_path(context);
    cairo_fill(context);
}

void DrawBatteryEmblem(cairo_t* context) {
    // A power cell with a lightning bolt cut out of it.
    RoundedRectangle(context, -6.5, -8.5, 13, 19.5, 2);
    cairo_rectangle(context, -3, -11, 6, 3);
    cairo_fill(context);
    cairo_save(context);
    cairo_set_operator(context, CAIRO_OPERATOR_DEST_OUT);
    cairo_move_to(context, 1.5, -6);
    cairo_line_to(context, -3.5, 2);
    cairo_line_to(context, 0, 2);
    cairo_line_to(context, -1.5, 8.5);
    cairo_line_to(context, 3.5, 0);
    cairo_line_to(context, 0, 0);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_restore(context);
}

}  // namespace art::race
