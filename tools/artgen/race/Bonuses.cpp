// The bonuses (race images 11, 13, 14, 15 and 59..62): 45 x 45 tokens that pulse in a loop of
// patterns 0..3; pattern 4 shows only when the animation lands exactly on 4.0 and repeats
// pattern 0. Points are round coins with their value (bronze 10, silver 50, gold 100); power-ups
// are hexagonal capsules in their own colour with a white emblem.

#include <cmath>
#include <stdexcept>
#include <string>

#include "BonusIcons.h"
#include "Colour.h"
#include "Patterns.h"
#include "RaceImages.h"

namespace art::race {

namespace {

constexpr int TokenSize = 45, TokenPatterns = 5;
constexpr double Centre = TokenSize / 2.0;

struct TokenLook {
    const char* Name;
    Rgba Light, Dark;  // the token's metal or paint, lit and shaded
    Rgba Glow;
    bool Coin;
    const char* Value;                 // the coin's number
    void (*Emblem)(cairo_t* context);  // the capsule's emblem
};

void SetRgba(cairo_t* context, const Rgba& c, double alpha = 1) {
    cairo_set_source_rgba(context, c.R, c.G, c.B, c.A * alpha);
}

void HexagonPath(cairo_t* context, double radius) {
    for (int i = 0; i < 6; ++i) {
        const double angle = M_PI / 3 * i - M_PI / 2;
        const double x = radius * std::cos(angle), y = radius * std::sin(angle);
        if (i == 0)
            cairo_move_to(context, x, y);
        else
            cairo_line_to(context, x, y);
    }
    cairo_close_path(context);
}

void BodyPath(cairo_t* context, const TokenLook& look, double radius) {
    if (look.Coin)
        cairo_arc(context, 0, 0, radius, 0, 2 * M_PI);
    else
        HexagonPath(context, radius * 1.06);
}

// A metal or paint fill lit from the upper left.
void FillLit(cairo_t* context, const Rgba& light, const Rgba& dark, double radius) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(-radius, -radius, radius, radius);
    cairo_pattern_add_color_stop_rgba(gradient, 0, light.R, light.G, light.B, 1);
    cairo_pattern_add_color_stop_rgba(gradient, 1, dark.R, dark.G, dark.B, 1);
    cairo_set_source(context, gradient);
    cairo_fill(context);
    cairo_pattern_destroy(gradient);
}

void PaintToken(cairo_t* context, const TokenLook& look, int pattern) {
    const int phase = pattern % 4;  // pattern 4 repeats pattern 0
    static const double pulse[4] = {1.0, 0.7, 0.4, 0.7};
    const double glow = pulse[phase];
    cairo_translate(context, Centre, Centre);

    // The halo.
    cairo_pattern_t* halo = cairo_pattern_create_radial(0, 0, 12, 0, 0, 22.5);
    cairo_pattern_add_color_stop_rgba(halo, 0, look.Glow.R, look.Glow.G, look.Glow.B, 0.75 * glow);
    cairo_pattern_add_color_stop_rgba(halo, 1, look.Glow.R, look.Glow.G, look.Glow.B, 0);
    cairo_set_source(context, halo);
    cairo_paint(context);
    cairo_pattern_destroy(halo);

    const double radius = 16.5 + 0.8 * glow;
    // Rim, then the face set into it.
    BodyPath(context, look, radius);
    FillLit(context, look.Light, look.Dark, radius);
    BodyPath(context, look, radius - 3);
    FillLit(context, Shade(look.Dark, 0.9), Shade(look.Light, 0.85), radius);
    BodyPath(context, look, radius);
    SetRgba(context, Shade(look.Dark, 0.5));
    cairo_set_line_width(context, 1);
    cairo_stroke(context);

    // The value or emblem, embossed: a dark drop under a bright face.
    auto mark = [&](double dx, double dy) {
        cairo_save(context);
        cairo_translate(context, dx, dy);
        if (look.Coin) {
            const std::string value = look.Value;
            SelectFace(context, Face::BancoDi, value.size() > 2 ? 15 : 18, true);
            DrawCentredText(context, value, 0, 0.5);
        } else {
            look.Emblem(context);
        }
        cairo_restore(context);
    };
    SetRgba(context, Shade(look.Dark, 0.35), 0.9);
    mark(0.8, 1.0);
    SetRgba(context, Hex(0xFFFFFF));
    mark(0, 0);

    // A glint on the upper left of the rim that brightens with the pulse.
    cairo_save(context);
    BodyPath(context, look, radius);
    cairo_clip(context);
    cairo_pattern_t* glint = cairo_pattern_create_radial(-8, -9, 0, -8, -9, 9);
    cairo_pattern_add_color_stop_rgba(glint, 0, 1, 1, 1, 0.55 * glow);
    cairo_pattern_add_color_stop_rgba(glint, 1, 1, 1, 1, 0);
    cairo_set_source(context, glint);
    cairo_paint(context);
    cairo_pattern_destroy(glint);
    cairo_restore(context);
}

TokenLook LookOf(BonusKind kind) {
    switch (kind) {
        case BonusKind::Score10:
            return {"bonus 10", Hex(0xF0A868), Hex(0x7A3A14), Hex(0xFF9A50), true, "10", nullptr};
        case BonusKind::Score50:
            return {"bonus 50", Hex(0xF4F6FA), Hex(0x6A707C), Hex(0xD8E8FF), true, "50", nullptr};
        case BonusKind::Score100:
            return {"bonus 100", Hex(0xFFF0A0), Hex(0x9A6A08), Hex(0xFFD84A), true, "100", nullptr};
        case BonusKind::Life:
            return {"bonus life", Hex(0xFF7088), Hex(0x8A1024), Hex(0xFF4060),
                    false,        nullptr,       DrawShipEmblem};
        case BonusKind::Invulnerability:
            return {"bonus invulnerability", Hex(0x80F0FF), Hex(0x0A5A8A),
                    Hex(0x40E0FF),           false,         nullptr,
                    DrawShieldEmblem};
        case BonusKind::Nitro:
            return {"bonus nitro", Hex(0x8CA0FF), Hex(0x1E248A),    Hex(0x6A7CFF),
                    false,         nullptr,       DrawChevronEmblem};
        case BonusKind::SuperShot:
            return {"bonus super-shot", Hex(0xF890FF), Hex(0x6A107A), Hex(0xFF50F0), false, nullptr,
                    DrawStarburstEmblem};
        case BonusKind::Energy:
            return {"bonus energy", Hex(0xA8FF70), Hex(0x1A6A10),    Hex(0x70FF40),
                    false,          nullptr,       DrawBatteryEmblem};
    }
    throw std::invalid_argument("no such bonus kind");
}

}  // namespace

ImageRecord BonusImage(BonusKind kind) {
    const TokenLook look = LookOf(kind);
    return StripRecord(look.Name, TokenSize, TokenSize, TokenPatterns,
                       [&](cairo_t* context, int pattern) { PaintToken(context, look, pattern); });
}

}  // namespace art::race
