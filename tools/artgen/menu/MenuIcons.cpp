#include "menu/MenuIcons.h"

#include <cmath>
#include <initializer_list>

namespace menu {

namespace {

void Play(cairo_t* context) {
    // Two chevrons, the nearer one solid: "go".
    cairo_move_to(context, -0.35, -0.45);
    cairo_line_to(context, 0.45, 0);
    cairo_line_to(context, -0.35, 0.45);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_move_to(context, -0.62, -0.42);
    cairo_line_to(context, -0.5, -0.42);
    cairo_line_to(context, -0.5, 0.42);
    cairo_line_to(context, -0.62, 0.42);
    cairo_close_path(context);
    cairo_fill(context);
}

void Help(cairo_t* context) {
    cairo_set_line_width(context, 0.16);
    cairo_arc(context, 0, 0, 0.48, 0, 2 * M_PI);
    cairo_stroke(context);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    cairo_arc(context, 0, -0.12, 0.17, M_PI, 2.2 * M_PI);
    cairo_line_to(context, 0, 0.12);
    cairo_stroke(context);
    cairo_arc(context, 0, 0.28, 0.07, 0, 2 * M_PI);
    cairo_fill(context);
}

void Options(cairo_t* context) {
    const int teeth = 8;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const double angle = tooth * 2 * M_PI / teeth;
        cairo_save(context);
        cairo_rotate(context, angle);
        cairo_rectangle(context, -0.09, -0.5, 0.18, 0.2);
        cairo_restore(context);
    }
    cairo_arc(context, 0, 0, 0.34, 0, 2 * M_PI);
    cairo_fill(context);
    cairo_set_fill_rule(context, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_operator(context, CAIRO_OPERATOR_CLEAR);
    cairo_arc(context, 0, 0, 0.14, 0, 2 * M_PI);
    cairo_fill(context);
}

void HighScores(cairo_t* context) {
    // A cup on a stem and base, with handles.
    cairo_move_to(context, -0.32, -0.45);
    cairo_line_to(context, 0.32, -0.45);
    cairo_curve_to(context, 0.32, -0.05, 0.18, 0.08, 0.06, 0.1);
    cairo_line_to(context, 0.06, 0.28);
    cairo_line_to(context, 0.25, 0.32);
    cairo_line_to(context, 0.25, 0.45);
    cairo_line_to(context, -0.25, 0.45);
    cairo_line_to(context, -0.25, 0.32);
    cairo_line_to(context, -0.06, 0.28);
    cairo_line_to(context, -0.06, 0.1);
    cairo_curve_to(context, -0.18, 0.08, -0.32, -0.05, -0.32, -0.45);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_set_line_width(context, 0.09);
    cairo_arc(context, -0.34, -0.25, 0.14, M_PI / 2, 3 * M_PI / 2);
    cairo_stroke(context);
    cairo_arc_negative(context, 0.34, -0.25, 0.14, M_PI / 2, -M_PI / 2);
    cairo_stroke(context);
}

void HomePage(cairo_t* context) {
    cairo_set_line_width(context, 0.09);
    cairo_arc(context, 0, 0, 0.46, 0, 2 * M_PI);
    cairo_stroke(context);
    cairo_save(context);
    cairo_scale(context, 0.45, 1.0);
    cairo_arc(context, 0, 0, 0.46, 0, 2 * M_PI);
    cairo_restore(context);
    cairo_stroke(context);
    cairo_move_to(context, 0, -0.46);
    cairo_line_to(context, 0, 0.46);
    cairo_move_to(context, -0.46, 0);
    cairo_line_to(context, 0.46, 0);
    cairo_move_to(context, -0.38, -0.24);
    cairo_line_to(context, 0.38, -0.24);
    cairo_move_to(context, -0.38, 0.24);
    cairo_line_to(context, 0.38, 0.24);
    cairo_stroke(context);
}

void Exit(cairo_t* context) {
    cairo_set_line_width(context, 0.14);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    cairo_arc(context, 0, 0.04, 0.4, -M_PI / 2 + 0.75, 3 * M_PI / 2 - 0.75);
    cairo_stroke(context);
    cairo_move_to(context, 0, -0.5);
    cairo_line_to(context, 0, 0.0);
    cairo_stroke(context);
}

void Music(cairo_t* context) {
    // Two beamed quavers.
    for (double x : {-0.3, 0.3}) {
        cairo_save(context);
        cairo_translate(context, x - 0.08, 0.32);
        cairo_rotate(context, -0.4);
        cairo_scale(context, 0.17, 0.12);
        cairo_arc(context, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(context);
        cairo_fill(context);
        cairo_rectangle(context, x + 0.02, -0.4, 0.07, 0.72);
        cairo_fill(context);
    }
    cairo_move_to(context, -0.28, -0.4);
    cairo_line_to(context, 0.39, -0.5);
    cairo_line_to(context, 0.39, -0.32);
    cairo_line_to(context, -0.28, -0.22);
    cairo_close_path(context);
    cairo_fill(context);
}

void Sound(cairo_t* context) {
    // A loudspeaker with two sound waves.
    cairo_move_to(context, -0.5, -0.15);
    cairo_line_to(context, -0.28, -0.15);
    cairo_line_to(context, 0.0, -0.42);
    cairo_line_to(context, 0.0, 0.42);
    cairo_line_to(context, -0.28, 0.15);
    cairo_line_to(context, -0.5, 0.15);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_set_line_width(context, 0.08);
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    for (double radius : {0.22, 0.4}) {
        cairo_arc(context, 0.02, 0, radius, -0.8, 0.8);
        cairo_stroke(context);
    }
}

}  // namespace

void DrawIcon(cairo_t* context, Icon icon, double x, double y, double size) {
    cairo_save(context);
    // Icons are drawn on their own layer so that cut-outs (the gear's hole) do not punch
    // through the plate beneath.
    cairo_push_group(context);
    cairo_translate(context, x, y);
    cairo_scale(context, size, size);
    cairo_new_path(context);
    switch (icon) {
        case Icon::Play:
            Play(context);
            break;
        case Icon::Help:
            Help(context);
            break;
        case Icon::Options:
            Options(context);
            break;
        case Icon::HighScores:
            HighScores(context);
            break;
        case Icon::HomePage:
            HomePage(context);
            break;
        case Icon::Exit:
            Exit(context);
            break;
        case Icon::Music:
            Music(context);
            break;
        case Icon::Sound:
            Sound(context);
            break;
    }
    cairo_pop_group_to_source(context);
    cairo_paint(context);
    cairo_restore(context);
}

}  // namespace menu
