// The star field behind the track (race image 58): deep space with dim nebula clouds and stars of
// several sizes. 800 x 600, the screen's size, so the wrap of the scrolling background is seamless
// and no repeat shows inside the 575-pixel race view. The nebula stays dark and avoids blue, so the
// blue captions drawn over the race keep their contrast.

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Patterns.h"
#include "PixelCanvas.h"
#include "RaceImages.h"

namespace art::race {

namespace {

constexpr int FieldWidth = 800;
constexpr int FieldHeight = 600;
constexpr uint32_t NebulaSeed = 5801;
constexpr uint32_t StarSeed = 5802;

Rgba NebulaAt(int x, int y) {
    // Each noise is sampled over whole lattice periods across the tile, so it wraps seamlessly.
    auto sample = [&](int period, int octaves, uint32_t seed) {
        return TileFractal(x * period / double(FieldWidth), y * period / double(FieldHeight),
                           period, period, octaves, seed);
    };
    const double clouds = sample(4, 6, NebulaSeed);
    const double tint = sample(3, 3, NebulaSeed + 1);
    const double wisps = sample(16, 4, NebulaSeed + 2);
    const double density = std::pow(std::clamp((clouds - 0.40) / 0.38, 0.0, 1.0), 1.5);
    const double fine = 0.5 + 0.5 * wisps;
    const Rgba violet = Hex(0x3C1448), rose = Hex(0x4A1630), teal = Hex(0x0C3434);
    const Rgba cloud = tint < 0.5 ? Mix(teal, violet, tint * 2) : Mix(violet, rose, tint * 2 - 1);
    return Mix(Hex(0x04040A), cloud, density * fine);
}

void PaintNebula(PixelCanvas& canvas) {
    for (int y = 0; y < FieldHeight; ++y)
        for (int x = 0; x < FieldWidth; ++x)
            canvas.Set(x, y, NebulaAt(x, y));
}

// A soft round star with an optional four-pointed glint, drawn with wrap-around so that stars
// near an edge continue on the opposite edge.
void PaintStar(PixelCanvas& canvas, double cx, double cy, double radius, const Rgba& colour,
               double glint) {
    const int reach = static_cast<int>(std::ceil(radius * 3 + glint));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const int px = static_cast<int>(std::floor(cx)) + dx;
            const int py = static_cast<int>(std::floor(cy)) + dy;
            const double ox = px + 0.5 - cx, oy = py + 0.5 - cy;
            const double d = std::hypot(ox, oy);
            double light = std::exp(-(d * d) / (2 * radius * radius));
            if (glint > 0) {
                const double along = std::max(0.0, 1 - std::min(std::abs(ox), std::abs(oy)) / 0.7);
                const double fade =
                    std::exp(-std::max(std::abs(ox), std::abs(oy)) / (glint * 0.35));
                light += 0.6 * along * fade;
            }
            if (light < 0.01)
                continue;
            const int wx = (px % FieldWidth + FieldWidth) % FieldWidth;
            const int wy = (py % FieldHeight + FieldHeight) % FieldHeight;
            canvas.AddLight(wx, wy, WithAlpha(colour, std::min(1.0, light)));
        }
}

Rgba StarColour(Random& random) {
    static const Rgba tints[] = {Hex(0xFFFFFF), Hex(0xFFF4E0), Hex(0xFFE2B8),
                                 Hex(0xDDE8FF), Hex(0xFFD0D8), Hex(0xE8FFF6)};
    return tints[random.Below(6)];
}

void PaintStars(PixelCanvas& canvas) {
    Random random(StarSeed);
    // Dust: many faint points.
    for (int i = 0; i < 2600; ++i) {
        const double x = random.Uniform(0, FieldWidth), y = random.Uniform(0, FieldHeight);
        const double brightness = random.Uniform(0.15, 0.55);
        PaintStar(canvas, x, y, 0.45, Shade(StarColour(random), brightness), 0);
    }
    // Ordinary stars.
    for (int i = 0; i < 420; ++i) {
        const double x = random.Uniform(0, FieldWidth), y = random.Uniform(0, FieldHeight);
        PaintStar(canvas, x, y, random.Uniform(0.55, 0.85),
                  Shade(StarColour(random), random.Uniform(0.6, 1.0)), 0);
    }
    // A few bright stars with glints.
    for (int i = 0; i < 22; ++i) {
        const double x = random.Uniform(0, FieldWidth), y = random.Uniform(0, FieldHeight);
        PaintStar(canvas, x, y, random.Uniform(0.9, 1.4), StarColour(random), random.Uniform(4, 9));
    }
}

}  // namespace

ImageRecord StarFieldImage() {
    Surface field = NewSurface(FieldWidth, FieldHeight);
    {
        PixelCanvas canvas(field.get());
        PaintNebula(canvas);
        PaintStars(canvas);
    }
    return PictureRecord("star field", field, false);
}

}  // namespace art::race
