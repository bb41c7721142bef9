// The exhaust flames (race images 3 and 4), drawn as at heading 0: the base at the top edge where
// the nozzle is, the tail hanging down. Patterns 0 and 1 alternate as the flame flickers;
// pattern 2 shows only on the rare frame the flicker clock lands on 2.0, so it repeats pattern 0.

#include <cmath>

#include "EffectPaint.h"
#include "Noise.h"
#include "Patterns.h"
#include "RaceImages.h"

namespace art::race {

namespace {

constexpr int FlameWidth = 18, FlameHeight = 34, FlamePatterns = 3;

struct FlameLook {
    double Length;     // share of the picture's height the flame reaches
    double HalfWidth;  // pixels at the base
    HeatRamp Ramp;
    uint32_t Seed;
};

Rgba FlamePixel(const FlameLook& look, int flicker, double x, double y) {
    const double v = y / FlameHeight;
    const double length = look.Length * (flicker == 0 ? 1.0 : 0.86);
    if (v > length)
        return {0, 0, 0, 0};
    const double along = v / length;  // 0 at the nozzle, 1 at the tip
    const double turbulence = Noise3(x * 0.35, y * 0.22 - flicker * 3.1, flicker * 1.7, look.Seed);
    const double halfWidth =
        look.HalfWidth * std::pow(1 - along, 0.55) * (0.85 + 0.3 * turbulence) + 0.6;
    const double across = std::abs(x - FlameWidth / 2.0) / halfWidth;
    const double body = 1 - SmoothStep(0.55, 1.0, across);
    // Hot at the nozzle and along the axis, cooling toward the tip and the sides.
    const double heat = body * std::pow(1 - along, 0.7) * (1 - 0.55 * across * across);
    Rgba colour = look.Ramp.At(heat * (0.9 + 0.2 * turbulence));
    colour.A =
        std::clamp(body * (1.6 * heat + 0.25) * (1 - SmoothStep(0.75, 1.0, along)), 0.0, 1.0);
    return colour;
}

ImageRecord Flame(const char* name, const FlameLook& look) {
    return StripRecord(
        name, FlameWidth, FlameHeight, FlamePatterns, [&](cairo_t* context, int pattern) {
            const int flicker = pattern % 2;  // pattern 2 repeats pattern 0
            PaintPixels(context,
                        [&](double x, double y) { return FlamePixel(look, flicker, x, y); });
        });
}

}  // namespace

ImageRecord FlameImage(bool nitro) {
    if (nitro)
        return Flame("nitro flame",
                     {1.0, 8.6, HeatRamp({0x3A0C8C, 0x6A3CFF, 0x38C8FF, 0xC8F8FF, 0xFFFFFF}), 402});
    return Flame("flame",
                 {0.8, 6.6, HeatRamp({0x7A1204, 0xE8400C, 0xFF9A1E, 0xFFE08A, 0xFFFFF0}), 401});
}

}  // namespace art::race
