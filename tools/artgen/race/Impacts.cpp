// The impacts of shots on ships (race images 16, 17, 18): 17 frames of 32 x 32, drawn rotated
// with the shot's direction and centred on the hit point, so the shot arrives from below and the
// spray flies back down and out. The picture is chosen by the hull that was hit, not by the
// shooter, so the colours stay neutral: white-hot turning to amber, then a wisp of smoke.

#include <algorithm>
#include <cmath>

#include "EffectPaint.h"
#include "Geometry.h"
#include "Noise.h"
#include "Patterns.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

namespace art::race {

namespace {

constexpr int ImpactSize = 32, ImpactFrames = 17;
constexpr double Centre = ImpactSize / 2.0;

const HeatRamp& SparkRamp() {
    static const HeatRamp ramp({0x6A2A08, 0xE07018, 0xFFC050, 0xFFF4D0, 0xFFFFFF});
    return ramp;
}

// Light of the fragments flying from the hit point at time t (0..1). Sparks are thin streaks,
// shards short thick flakes, arcs jagged crackles near the hull.
double FragmentLight(ImpactStyle style, double t, Vec2 p) {
    Random random(style == ImpactStyle::Sparks ? 1601 : style == ImpactStyle::Shards ? 1701 : 1801);
    const int count = style == ImpactStyle::Arcs ? 5 : 9;
    double light = 0;
    for (int i = 0; i < count; ++i) {
        // Spray back down the shot's path, within 75 degrees of straight down.
        const double angle = M_PI / 2 + random.Uniform(-1.3, 1.3);
        const double speed = random.Uniform(9, 15);
        const Vec2 direction{std::cos(angle), std::sin(angle)};
        const Vec2 centre{Centre, Centre};
        if (style == ImpactStyle::Arcs) {
            // A crackle from the hit point that flickers outward and dies early.
            const double reach = speed * (0.4 + 0.6 * std::sqrt(t));
            const Vec2 bend = centre + direction * (reach * 0.5) +
                              Vec2{-direction.Y, direction.X} * random.Uniform(-3, 3);
            const double d = std::min(DistanceToSegment(p, centre, bend),
                                      DistanceToSegment(p, bend, centre + direction * reach));
            light = std::max(light, std::exp(-d * d / 0.5) * (1 - SmoothStep(0.2, 0.5, t)));
            continue;
        }
        const Vec2 head = centre + direction * (speed * std::sqrt(t) + 2);
        const double tail = style == ImpactStyle::Sparks ? 5 : 1.8;
        const double width = style == ImpactStyle::Sparks ? 0.55 : 1.1;
        const double d = DistanceToSegment(p, head, head - direction * tail);
        light = std::max(light, std::exp(-d * d / width) * (1 - SmoothStep(0.3, 0.7, t)));
    }
    return light;
}

Rgba ImpactPixel(ImpactStyle style, int frame, double x, double y) {
    const double t = frame / double(ImpactFrames - 1);
    const Vec2 p{x, y};
    const double r = Length(p - Vec2{Centre, Centre});
    // The flash where the shot struck: big at first, shrinking and cooling.
    const double flashRadius = 7 * (1 - SmoothStep(0, 0.45, t)) + 1.5;
    const double flash =
        std::exp(-r * r / (2 * flashRadius * flashRadius)) * (1 - SmoothStep(0.2, 0.55, t));
    // A small puff of smoke that drifts down and fades out by the last frames.
    const Vec2 puffCentre{Centre, Centre + 5 * t};
    const double puffRadius = 3 + 7 * t;
    const double swirl = Fractal3(x * 0.2, y * 0.2, t * 2, 3, 1650);
    const double puff =
        (1 - SmoothStep(0.5, 1.0, Length(p - puffCentre) / puffRadius * (0.8 + 0.4 * swirl))) *
        SmoothStep(0.1, 0.35, t) * (1 - SmoothStep(0.55, 0.95, t)) * 0.6;
    const double fragments = FragmentLight(style, t, p);
    const double heat = std::max(flash, fragments * 0.85);
    Rgba colour = Mix(Hex(0x4A4644), SparkRamp().At(heat), SmoothStep(0.02, 0.2, heat));
    if (style == ImpactStyle::Arcs)
        colour = Mix(colour, Hex(0xE0F4FF), fragments * 0.7);
    colour.A = std::clamp(std::max(std::min(1.0, heat * 1.6), puff), 0.0, 1.0);
    return colour;
}

}  // namespace

ImageRecord ImpactImage(ImpactStyle style) {
    const char* name = style == ImpactStyle::Sparks   ? "impact sparks"
                       : style == ImpactStyle::Shards ? "impact shards"
                                                      : "impact arcs";
    return StripRecord(
        name, ImpactSize, ImpactSize, ImpactFrames, [&](cairo_t* context, int frame) {
            PaintPixels(context,
                        [&](double x, double y) { return ImpactPixel(style, frame, x, y); });
        });
}

}  // namespace art::race
