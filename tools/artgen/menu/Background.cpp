#include "menu/Background.h"

#include <cmath>

#include "menu/Captions.h"
#include "menu/MenuPalette.h"
#include "menu/ShipPortraits.h"
#include "menu/Wordmark.h"

namespace menu {

namespace {

constexpr uint32_t Seed = 0x5EED0001;

void PaintSpace(cairo_t* context) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, ScreenHeight);
    art::AddColourStop(sky, 0, SpaceTop);
    art::AddColourStop(sky, 1, SpaceBottom);
    cairo_set_source(context, sky);
    cairo_paint(context);
    cairo_pattern_destroy(sky);
}

void SoftBlob(cairo_t* context, double x, double y, double radius, uint32_t colour, double alpha) {
    cairo_pattern_t* blob = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    art::AddColourStop(blob, 0, colour, alpha);
    art::AddColourStop(blob, 0.55, colour, alpha * 0.4);
    art::AddColourStop(blob, 1, colour, 0);
    cairo_set_source(context, blob);
    cairo_arc(context, x, y, radius, 0, 2 * M_PI);
    cairo_fill(context);
    cairo_pattern_destroy(blob);
}

// Two drifting clouds, violet across the top right and teal low on the left, built from many
// overlapping soft blobs along a wavy band.
void PaintNebula(cairo_t* context, art::Random& random) {
    struct Band {
        double X0, Y0, X1, Y1;
        uint32_t Colour;
    };
    const Band bands[] = {{320, 40, 800, 330, NebulaViolet},
                          {0, 330, 520, 180, NebulaTeal},
                          {560, 560, 800, 420, NebulaViolet}};
    for (const Band& band : bands) {
        for (int blob = 0; blob < 46; ++blob) {
            const double t = random.Uniform(0, 1);
            const double x = band.X0 + (band.X1 - band.X0) * t + random.Uniform(-60, 60);
            const double y =
                band.Y0 + (band.Y1 - band.Y0) * t + 40 * std::sin(t * 7) + random.Uniform(-50, 50);
            SoftBlob(context, x, y, random.Uniform(40, 150), band.Colour,
                     random.Uniform(0.04, 0.12));
        }
    }
    // Bright cores here and there.
    for (int core = 0; core < 8; ++core)
        SoftBlob(context, random.Uniform(380, 790), random.Uniform(60, 300), random.Uniform(20, 50),
                 0xC48CFF, random.Uniform(0.05, 0.1));
}

void PaintStars(cairo_t* context, art::Random& random) {
    for (int star = 0; star < 1100; ++star) {
        const double x = random.Uniform(0, ScreenWidth);
        const double y = random.Uniform(0, ScreenHeight);
        const double size =
            random.Uniform(0, 1) < 0.92 ? random.Uniform(0.35, 0.8) : random.Uniform(0.9, 1.5);
        const int tint = random.Below(6);
        const uint32_t colour = tint == 0 ? 0xFFD9A8 : tint == 1 ? 0xA8C8FF : 0xFFFFFF;
        art::SetColour(context, colour, random.Uniform(0.25, 0.95));
        cairo_arc(context, x, y, size, 0, 2 * M_PI);
        cairo_fill(context);
    }
    // A few bright stars with four-point flares.
    for (int star = 0; star < 16; ++star) {
        const double x = random.Uniform(10, ScreenWidth - 10);
        const double y = random.Uniform(10, 470);
        const double reach = random.Uniform(5, 13);
        SoftBlob(context, x, y, reach * 0.9, 0xCFE0FF, 0.55);
        cairo_set_line_width(context, 0.9);
        cairo_pattern_t* flare = cairo_pattern_create_radial(x, y, 0, x, y, reach);
        art::AddColourStop(flare, 0, 0xFFFFFF, 0.9);
        art::AddColourStop(flare, 1, 0xFFFFFF, 0);
        cairo_set_source(context, flare);
        cairo_move_to(context, x - reach, y);
        cairo_line_to(context, x + reach, y);
        cairo_move_to(context, x, y - reach);
        cairo_line_to(context, x, y + reach);
        cairo_stroke(context);
        cairo_pattern_destroy(flare);
        cairo_set_source_rgb(context, 1, 1, 1);
        cairo_arc(context, x, y, 1.3, 0, 2 * M_PI);
        cairo_fill(context);
    }
}

// A large planet low on the left, lit from the upper right: its dark face, cloud bands and a
// glowing rim of atmosphere.
void PaintPlanet(cairo_t* context, art::Random& random) {
    const double cx = 250;
    const double cy = 1010;
    const double radius = 500;
    SoftBlob(context, cx, cy, radius + 70, 0xFF8A3A, 0.25);
    cairo_save(context);
    cairo_arc(context, cx, cy, radius, 0, 2 * M_PI);
    cairo_clip_preserve(context);
    cairo_pattern_t* face =
        cairo_pattern_create_radial(cx + 220, cy - 420, 40, cx, cy, radius * 1.05);
    art::AddColourStop(face, 0, 0x6A4A5C);
    art::AddColourStop(face, 0.35, 0x2A1E36);
    art::AddColourStop(face, 1, 0x07060C);
    cairo_set_source(context, face);
    cairo_fill(context);
    cairo_pattern_destroy(face);
    for (int band = 0; band < 14; ++band) {
        const double y = cy - radius + random.Uniform(10, 160);
        cairo_save(context);
        cairo_translate(context, cx, y);
        cairo_scale(context, radius * 1.1, random.Uniform(2, 7));
        cairo_arc(context, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(context);
        art::SetColour(context, random.Below(2) ? 0xE0A070 : 0x8A6AA0, random.Uniform(0.05, 0.12));
        cairo_fill(context);
    }
    cairo_restore(context);
    // Atmosphere: a bright thin arc on the lit limb fading round to the dark side.
    cairo_set_line_width(context, 3);
    cairo_pattern_t* limb = cairo_pattern_create_linear(cx - radius, 0, cx + radius, 0);
    art::AddColourStop(limb, 0, 0xFF9A4A, 0.0);
    art::AddColourStop(limb, 0.55, 0xFFB060, 0.9);
    art::AddColourStop(limb, 1, 0xFFE0B0, 1.0);
    cairo_set_source(context, limb);
    cairo_pattern_destroy(limb);  // the context holds its own reference
    cairo_arc(context, cx, cy, radius, M_PI * 1.12, M_PI * 1.88);
    cairo_stroke(context);
    for (int halo = 1; halo <= 4; ++halo) {
        cairo_set_line_width(context, halo * 6);
        art::SetColour(context, 0xFF9A4A, 0.06);
        cairo_arc(context, cx, cy, radius + halo * 2, M_PI * 1.25, M_PI * 1.85);
        cairo_stroke(context);
    }
}

// Glowing racing lanes sweeping from the lower left up across the screen.
void PaintLanes(cairo_t* context) {
    struct Lane {
        double StartY, ControlX, ControlY, EndX, EndY;
        uint32_t Colour;
    };
    const Lane lanes[] = {{520, 330, 400, 800, 250, Amber},
                          {560, 360, 450, 800, 330, 0x39D5FF},
                          {600, 420, 520, 800, 430, AmberDeep}};
    cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
    for (const Lane& lane : lanes) {
        for (int layer = 4; layer >= 0; --layer) {
            cairo_move_to(context, -20, lane.StartY);
            cairo_curve_to(context, lane.ControlX * 0.5, lane.StartY - 20, lane.ControlX,
                           lane.ControlY, lane.EndX, lane.EndY);
            cairo_set_line_width(context, 1.2 + layer * 3);
            cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, ScreenWidth, 0);
            const double alpha = layer == 0 ? 0.8 : 0.08;
            art::AddColourStop(fade, 0, lane.Colour, 0);
            art::AddColourStop(fade, 0.3, lane.Colour, alpha);
            art::AddColourStop(fade, 1, lane.Colour, alpha * 0.3);
            cairo_set_source(context, fade);
            cairo_stroke(context);
            cairo_pattern_destroy(fade);
        }
    }
}

// Ship 1 racing up and to the right below the logo, with an engine trail behind it.
void PaintHeroShip(cairo_t* context) {
    const double x = 70;
    const double y = 250;
    cairo_save(context);
    cairo_translate(context, x + 170, y + 95);
    cairo_rotate(context, -0.28);
    cairo_translate(context, -(x + 170), -(y + 95));
    // The trail widens back from the nozzle, which lands near (x + 24, y + 79) in this box.
    cairo_pattern_t* trail = cairo_pattern_create_linear(x - 160, 0, x + 30, 0);
    art::AddColourStop(trail, 0, Amber, 0);
    art::AddColourStop(trail, 0.8, Amber, 0.35);
    art::AddColourStop(trail, 1, EngineCore, 0.8);
    cairo_set_source(context, trail);
    cairo_move_to(context, x - 160, y + 96);
    cairo_line_to(context, x + 30, y + 72);
    cairo_line_to(context, x + 30, y + 86);
    cairo_close_path(context);
    cairo_fill(context);
    cairo_pattern_destroy(trail);
    DrawShipInBox(context, 1, x, y, 340, 190);
    cairo_restore(context);
}

void PaintLogo(cairo_t* context) {
    const double letterHeight = 56;
    const double x = 24;
    const double y = 34;
    DrawWordmark(context, x, y, letterHeight);
    CaptionStyle tagline;
    tagline.PixelSize = 15;
    tagline.Tracking = 6.5;
    tagline.FillTop = AmberPale;
    tagline.FillBottom = Amber;
    tagline.Edge = CaptionEdge;
    tagline.EdgeWidth = 2;
    const double width = WordmarkWidth(letterHeight);
    DrawCaption(context, "GALACTIC RACING", x + width / 2 + 6, y + letterHeight + 30, Align::Centre,
                tagline);
    // Hairlines either side of the tagline.
    const double tagWidth = CaptionWidth(context, "GALACTIC RACING", tagline);
    const double lineY = y + letterHeight + 30;
    cairo_set_line_width(context, 1.5);
    art::SetColour(context, Amber, 0.8);
    cairo_move_to(context, x + 10, lineY);
    cairo_line_to(context, x + width / 2 + 6 - tagWidth / 2 - 12, lineY);
    cairo_move_to(context, x + width / 2 + 6 + tagWidth / 2 + 12, lineY);
    cairo_line_to(context, x + width + 2, lineY);
    cairo_stroke(context);
}

}  // namespace

art::Surface DrawMenuBackground() {
    art::Surface picture = art::NewSurface(ScreenWidth, ScreenHeight);
    art::Context owner = art::NewContext(picture);
    cairo_t* context = owner.get();
    art::Random random(Seed);
    PaintSpace(context);
    PaintNebula(context, random);
    PaintStars(context, random);
    PaintPlanet(context, random);
    PaintLanes(context);
    PaintHeroShip(context);
    PaintLogo(context);
    return picture;
}

}  // namespace menu
