#include "menu/Wordmark.h"

#include <array>
#include <cmath>
#include <functional>
#include <span>

#include "menu/MenuPalette.h"

namespace menu {

namespace {

// Letter geometry in units of the letter height: stroke, corner cut, lean and spacing.
constexpr double Stroke = 0.21;
constexpr double Half = Stroke / 2;
constexpr double Cut = 0.2;
constexpr double Lean = 0.24;  // horizontal shift of the top against the bottom
constexpr double Gap = 0.11;

enum class Letter { Z, O, R, V, E, X };
constexpr std::array<Letter, 6> Name = {Letter::Z, Letter::O, Letter::R,
                                        Letter::V, Letter::E, Letter::X};

double LetterWidth(Letter letter) {
    switch (letter) {
        case Letter::Z:
            return 0.74;
        case Letter::O:
            return 0.84;
        case Letter::R:
            return 0.78;
        case Letter::V:
            return 0.86;
        case Letter::E:
            return 0.66;
        case Letter::X:
            return 0.84;
    }
    return 0;
}

void Line(cairo_t* context, std::initializer_list<std::array<double, 2>> points, double left) {
    bool first = true;
    for (const auto& point : points) {
        if (first)
            cairo_move_to(context, left + point[0], point[1]);
        else
            cairo_line_to(context, left + point[0], point[1]);
        first = false;
    }
}

// Appends the centre lines of one letter, in letter units, with its left edge at left.
void AppendLetter(cairo_t* context, Letter letter, double left) {
    const double w = LetterWidth(letter);
    switch (letter) {
        case Letter::Z:
            Line(context, {{0, Half}, {w - Half, Half}, {Half, 1 - Half}, {w, 1 - Half}}, left);
            break;
        case Letter::O:
            Line(context,
                 {{Half + Cut, Half},
                  {w - Half - Cut * 0.6, Half},
                  {w - Half, Half + Cut * 0.6},
                  {w - Half, 1 - Half - Cut},
                  {w - Half - Cut, 1 - Half},
                  {Half + Cut * 0.6, 1 - Half},
                  {Half, 1 - Half - Cut * 0.6},
                  {Half, Half + Cut}},
                 left);
            cairo_close_path(context);
            break;
        case Letter::R:
            Line(context,
                 {{Half, 1.2},
                  {Half, Half},
                  {w - Half - Cut, Half},
                  {w - Half, Half + Cut * 0.8},
                  {w - Half, 0.56 - Half},
                  {Half, 0.56 - Half}},
                 left);
            Line(context, {{w * 0.42, 0.56 - Half}, {w - Half * 0.6, 1.2}}, left);
            break;
        case Letter::V:
            Line(context, {{Half * 0.8, -0.2}, {w / 2, 1 - Half}, {w - Half * 0.8, -0.2}}, left);
            break;
        case Letter::E:
            Line(context, {{w, Half}, {Half, Half}, {Half, 1 - Half}, {w, 1 - Half}}, left);
            Line(context, {{Half, 0.5}, {w * 0.86, 0.5}}, left);
            break;
        case Letter::X:
            Line(context, {{Half * 0.6, -0.2}, {w - Half * 0.6, 1.2}}, left);
            Line(context, {{w - Half * 0.6, -0.2}, {Half * 0.6, 1.2}}, left);
            break;
    }
}

// Letter units to pixels: scale by the letter height and lean the tops to the right.
void EnterLetterSpace(cairo_t* context, double x, double y, double letterHeight) {
    cairo_translate(context, x + Lean * letterHeight, y);
    cairo_matrix_t lean;
    cairo_matrix_init(&lean, 1, 0, -Lean, 1, 0, 0);
    cairo_transform(context, &lean);
    cairo_scale(context, letterHeight, letterHeight);
}

// Strokes every letter with the given extra width (units), clipped to the letter band so that
// diagonal strokes end flat on the top and bottom lines.
void StrokeLetters(cairo_t* context, std::span<const Letter> letters, double extra,
                   const std::function<void()>& setSource) {
    cairo_save(context);
    cairo_rectangle(context, -1, -extra / 2, 20, 1 + extra);
    cairo_clip(context);
    cairo_new_path(context);
    double left = 0;
    for (Letter letter : letters) {
        AppendLetter(context, letter, left);
        left += LetterWidth(letter) + Gap;
    }
    cairo_set_line_width(context, Stroke + extra);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(context, 4);
    setSource();
    cairo_stroke(context);
    cairo_restore(context);
}

void SetChrome(cairo_t* context) {
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, 0, 0, 1);
    art::AddColourStop(chrome, 0.00, 0xFFFFFF);
    art::AddColourStop(chrome, 0.42, 0xC9D4E4);
    art::AddColourStop(chrome, 0.50, 0x5E6B82);
    art::AddColourStop(chrome, 0.56, 0xFFC45A);
    art::AddColourStop(chrome, 1.00, 0xFFF1C8);
    cairo_set_source(context, chrome);
    cairo_pattern_destroy(chrome);
}

}  // namespace

double WordmarkWidth(double letterHeight) {
    double units = Lean;
    for (Letter letter : Name)
        units += LetterWidth(letter) + Gap;
    return (units - Gap) * letterHeight;
}

void DrawWordmark(cairo_t* context, double x, double y, double letterHeight) {
    cairo_save(context);
    EnterLetterSpace(context, x, y, letterHeight);
    const double pixel = 1.0 / letterHeight;
    // Amber halo.
    for (int layer = 5; layer >= 1; --layer)
        StrokeLetters(context, Name, pixel * layer * 5,
                      [&] { art::SetColour(context, Amber, 0.05); });
    // Depth: the letters extruded down and to the right in darkening bronze.
    const int depth = static_cast<int>(letterHeight / 9);
    for (int step = depth; step >= 1; --step) {
        cairo_save(context);
        cairo_translate(context, step * pixel * 0.7, step * pixel);
        const double shade = 0.35 + 0.4 * (1.0 - static_cast<double>(step) / depth);
        StrokeLetters(context, Name, pixel * 2, [&] {
            cairo_set_source_rgb(context, 0.55 * shade, 0.28 * shade, 0.08 * shade);
        });
        cairo_restore(context);
    }
    StrokeLetters(context, Name, pixel * 3, [&] { art::SetColour(context, CaptionEdge); });
    StrokeLetters(context, Name, 0, [&] { SetChrome(context); });
    // A thin bright line just inside the top of each stroke catches the light.
    cairo_save(context);
    cairo_translate(context, 0, -Stroke * 0.32);
    cairo_rectangle(context, -1, 0, 20, 0.47);
    cairo_clip(context);
    cairo_translate(context, 0, Stroke * 0.32);
    StrokeLetters(context, Name, -Stroke * 0.82,
                  [&] { cairo_set_source_rgba(context, 1, 1, 1, 0.55); });
    cairo_restore(context);
    cairo_restore(context);
}

art::Surface DrawEmblem(int size) {
    art::Surface picture = art::NewSurface(size, size);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    const double centre = size / 2.0;
    const double radius = size / 2.0 - 2;

    // A chrome ring around a dark disc, with an amber inner ring.
    cairo_arc(context, centre, centre + 1.5, radius, 0, 2 * M_PI);
    cairo_set_source_rgba(context, 0, 0, 0, 0.6);
    cairo_fill(context);
    cairo_arc(context, centre, centre, radius, 0, 2 * M_PI);
    cairo_pattern_t* ring = cairo_pattern_create_linear(0, 0, 0, size);
    art::AddColourStop(ring, 0.0, 0xFFFFFF);
    art::AddColourStop(ring, 0.48, 0xA8B4C6);
    art::AddColourStop(ring, 0.52, 0x4A5568);
    art::AddColourStop(ring, 1.0, 0xDDE4EE);
    cairo_set_source(context, ring);
    cairo_fill(context);
    cairo_pattern_destroy(ring);
    cairo_arc(context, centre, centre, radius * 0.86, 0, 2 * M_PI);
    cairo_pattern_t* disc =
        cairo_pattern_create_radial(centre, centre * 0.7, 0, centre, centre, radius);
    art::AddColourStop(disc, 0, 0x2A3142);
    art::AddColourStop(disc, 1, 0x090B12);
    cairo_set_source(context, disc);
    cairo_fill(context);
    cairo_pattern_destroy(disc);
    cairo_arc(context, centre, centre, radius * 0.78, 0, 2 * M_PI);
    cairo_set_line_width(context, size / 45.0);
    art::SetColour(context, Amber, 0.9);
    cairo_stroke(context);

    // Speed lines behind the monogram.
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    for (int line = 0; line < 3; ++line) {
        const double y = centre - radius * 0.2 + line * radius * 0.2;
        cairo_move_to(context, centre - radius * 0.72 + line * 4, y);
        cairo_line_to(context, centre - radius * 0.2, y);
        cairo_set_line_width(context, size / 40.0);
        art::SetColour(context, AmberDeep, 0.8);
        cairo_stroke(context);
    }

    // The monogram: the logo's own "Z", same stroke, lean and chrome.
    const double letterHeight = radius * 0.95;
    const double letterLeft = centre - (LetterWidth(Letter::Z) + Lean) * letterHeight / 2;
    cairo_save(context);
    EnterLetterSpace(context, letterLeft, centre - letterHeight / 2, letterHeight);
    const double pixel = 1.0 / letterHeight;
    constexpr std::array<Letter, 1> monogram = {Letter::Z};
    StrokeLetters(context, monogram, pixel * 4, [&] { art::SetColour(context, CaptionEdge); });
    StrokeLetters(context, monogram, 0, [&] { SetChrome(context); });
    cairo_restore(context);
    return picture;
}

}  // namespace menu
