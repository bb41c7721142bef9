// The shots (race images 26, 29 and 32), drawn as at heading 0 with the head at the top, and the
// round super-shot (image 35), which is drawn upright and so is symmetric.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "EffectPaint.h"
#include "Geometry.h"
#include "Patterns.h"
#include "RaceImages.h"

namespace art::race {

namespace {

// Glow around a stroke from head to tail whose radius narrows toward the tail; 1 on the stroke.
double StreakGlow(Vec2 p, Vec2 head, Vec2 tail, double headRadius) {
    const Vec2 axis = tail - head;
    const double t = std::clamp(Dot(p - head, axis) / Dot(axis, axis), 0.0, 1.0);
    const double radius = headRadius * (1 - 0.65 * t);
    const double d = Length(p - Lerp(head, tail, t)) / radius;
    return std::exp(-d * d);
}

Rgba GlowColour(const HeatRamp& ramp, double glow) {
    Rgba colour = ramp.At(glow);
    colour.A = std::clamp(glow * 1.8, 0.0, 1.0);
    return colour;
}

ImageRecord OnePattern(const char* name, int width, int height,
                       const std::function<Rgba(double, double)>& shade) {
    return StripRecord(name, width, height, 1,
                       [&](cairo_t* context, int) { PaintPixels(context, shade); });
}

}  // namespace

ImageRecord ShotImage(ShotStyle style) {
    switch (style) {
        case ShotStyle::Bolt: {
            // A hot orange bolt.
            static const HeatRamp ramp({0x8A1006, 0xFF4A10, 0xFFA030, 0xFFF0B0, 0xFFFFFF});
            return OnePattern("bolt shot", 10, 25, [](double x, double y) {
                return GlowColour(ramp, StreakGlow({x, y}, {5, 5}, {5, 22}, 3.4));
            });
        }
        case ShotStyle::Dart: {
            // A green dart: a thin streak led by a chevron.
            static const HeatRamp ramp({0x0A5A10, 0x30D020, 0x9CFF50, 0xE8FFD0, 0xFFFFFF});
            return OnePattern("dart shot", 10, 25, [](double x, double y) {
                const Vec2 p{x, y};
                const double streak = StreakGlow(p, {5, 4}, {5, 23}, 2.4);
                const double wings = std::max(StreakGlow(p, {5, 3.5}, {1.6, 11}, 1.6),
                                              StreakGlow(p, {5, 3.5}, {8.4, 11}, 1.6));
                return GlowColour(ramp, std::max(streak, 0.85 * wings));
            });
        }
        case ShotStyle::Lance: {
            // A heavy cyan lance with a white-hot core and a wider halo.
            static const HeatRamp ramp({0x0A2A7A, 0x1E78FF, 0x40E0FF, 0xD8FCFF, 0xFFFFFF});
            return OnePattern("lance shot", 20, 45, [](double x, double y) {
                const Vec2 p{x, y};
                const double core = StreakGlow(p, {10, 7}, {10, 42}, 4.2);
                const double halo = StreakGlow(p, {10, 9}, {10, 40}, 8.5);
                return GlowColour(ramp, std::max(core, 0.55 * halo));
            });
        }
    }
    throw std::invalid_argument("no such shot style");
}

ImageRecord SuperShotImage() {
    // A magenta energy ball with eight short rays, the same from every direction.
    static const HeatRamp ramp({0x4A0A6A, 0xC020E0, 0xFF60F0, 0xFFD8FF, 0xFFFFFF});
    return OnePattern("super-shot", 32, 32, [](double x, double y) {
        const double dx = x - 16, dy = y - 16;
        const double r = std::hypot(dx, dy);
        const double angle = std::atan2(dy, dx);
        const double core = std::exp(-(r * r) / (2 * 5.0 * 5.0));
        const double rays = std::pow(std::abs(std::cos(angle * 4)), 12) * std::exp(-r / 7.0);
        const double ring = std::exp(-std::pow((r - 11.5) / 1.6, 2)) * 0.7;
        const double fade = 1 - SmoothStep(13.5, 15.8, r);
        return GlowColour(ramp, std::min(1.0, core + 0.55 * rays + ring * 0.8) * fade);
    });
}

}  // namespace art::race
