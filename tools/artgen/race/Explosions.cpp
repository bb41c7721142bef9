// The ship explosions (race images 63, 64, 65): 17 frames of 64 x 64, drawn upright at the ship's
// top-left. A flash, a turbulent fireball that cools into smoke, flying debris, and smoke that
// thins away: frame 16 is almost empty, because the player's wreck holds it until the respawn
// while an opponent's simply ends. Image 63 is also the asteroid break-up, which may start at any
// of frames 0..7, so all of those still look like a burst.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "EffectPaint.h"
#include "Noise.h"
#include "Patterns.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

namespace art::race {

namespace {

constexpr int BlastSize = 64, BlastFrames = 17;
constexpr double Centre = BlastSize / 2.0;

struct BlastLook {
    HeatRamp Fire;
    Rgba Smoke;
    Rgba Shockwave;  // alpha 0 for none
    uint32_t Seed;
};

// Time 0..1 over the frames.
double FrameTime(int frame) {
    return frame / double(BlastFrames - 1);
}

double FireballRadius(double t) {
    return 14 + 17 * (1 - std::pow(1 - t, 2.5));
}

// Bright sparks of debris flying out, fading by mid-explosion.
double DebrisLight(const BlastLook& look, double t, double x, double y) {
    if (t <= 0 || t > 0.6)
        return 0;
    double light = 0;
    Random random(look.Seed);
    for (int i = 0; i < 9; ++i) {
        const double angle = random.Uniform(0, 2 * M_PI);
        const double speed = random.Uniform(20, 30);
        const double reach = 8 + speed * std::sqrt(t);
        const double dx = std::cos(angle), dy = std::sin(angle);
        // A short streak behind the spark's head.
        const double px = x - Centre, py = y - Centre;
        const double along = px * dx + py * dy;
        const double across = std::abs(-px * dy + py * dx);
        const double behind = reach - along;
        if (behind < -1 || behind > 6 || across > 1.5)
            continue;
        light = std::max(light, (1 - std::max(0.0, behind) / 6) * (1 - across / 1.5));
    }
    return light * (1 - SmoothStep(0.3, 0.6, t));
}

Rgba BlastPixel(const BlastLook& look, int frame, double x, double y) {
    const double t = FrameTime(frame);
    const double r = std::hypot(x - Centre, y - Centre);
    const double swirl = Fractal3(x * 0.085, y * 0.085, t * 1.8, 4, look.Seed);
    const double radius = FireballRadius(t) * (0.74 + 0.52 * swirl);
    const double d = r / radius;
    double density = 1 - SmoothStep(0.6, 1.0, d);
    // Late on, the smoke tears into wisps and thins away to almost nothing.
    const double late = SmoothStep(0.55, 1.0, t);
    density *= 1 - SmoothStep(0.15, 0.7, late * (0.6 + 0.8 * (1 - swirl)));
    const double heat = std::clamp((1.3 - 2.3 * t) * (1 - 0.6 * d) + 0.3 * (swirl - 0.5), 0.0, 1.0);
    const double smokeAlpha = 0.95 - 0.9 * late;

    Rgba fire = look.Fire.At(heat);
    // Billowing smoke: lighter where it bulges toward the light at the top left.
    const double billow = 0.62 + 0.7 * swirl - 0.006 * ((x - Centre) + (y - Centre));
    Rgba colour = Mix(Shade(look.Smoke, billow), fire, SmoothStep(0.04, 0.3, heat));
    colour.A = density * std::max(smokeAlpha, SmoothStep(0.04, 0.3, heat));

    // The flash the ship vanishes in.
    const double flash = std::max(0.0, 1 - t * 5) * std::exp(-r * r / (2 * 10.0 * 10.0));
    colour = Over(WithAlpha(Hex(0xFFFFF4), std::min(1.0, flash * 1.4)), colour);

    if (look.Shockwave.A > 0 && t > 0 && t < 0.35) {
        const double ringRadius = 12 + 70 * t;
        const double ring = std::exp(-std::pow((r - ringRadius) / 1.8, 2)) * (1 - t / 0.35);
        colour = Over(WithAlpha(look.Shockwave, ring * look.Shockwave.A), colour);
    }
    const double debris = DebrisLight(look, t, x, y);
    colour = Over(WithAlpha(look.Fire.At(0.85), debris), colour);
    return colour;
}

ImageRecord Blast(const char* name, const BlastLook& look) {
    return StripRecord(name, BlastSize, BlastSize, BlastFrames, [&](cairo_t* context, int frame) {
        PaintPixels(context, [&](double x, double y) { return BlastPixel(look, frame, x, y); });
    });
}

}  // namespace

ImageRecord ExplosionImage(BlastStyle style) {
    switch (style) {
        case BlastStyle::Fireball:
            return Blast("explosion", {HeatRamp({0x5A1408, 0xC8300C, 0xFF7A18, 0xFFD060, 0xFFFFF0}),
                                       Hex(0x6A625C), Hex(0, 0), 6301});
        case BlastStyle::Flash:
            return Blast("explosion with shockwave",
                         {HeatRamp({0x602008, 0xE05010, 0xFFA030, 0xFFF0A0, 0xFFFFFF}),
                          Hex(0x66605A), Hex(0xCFEFFF, 0.9), 6401});
        case BlastStyle::Plasma:
            return Blast("plasma explosion",
                         {HeatRamp({0x0A3A30, 0x10A070, 0x50F0A0, 0xD8FFB0, 0xFFFFFF}),
                          Hex(0x5A6462), Hex(0x90FFD0, 0.6), 6501});
    }
    throw std::invalid_argument("no such explosion style");
}

}  // namespace art::race
