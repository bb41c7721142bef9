// The asteroids (race images 12 and 23): lumpy cratered rocks, lit from the upper left, tumbling
// about their long axis in 8 frames of 45 degrees, so one turn loops without a jump. They are
// drawn upright and unscaled around their centre, so each frame fills exactly 36 x 31 or 74 x 52.

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "EffectPaint.h"
#include "Noise.h"
#include "Patterns.h"
#include "RaceImages.h"
#include "kit/ArtKit.h"

namespace art::race {

namespace {

constexpr int RockFrames = 8;
constexpr double Lumpiness = 0.26;  // share of the radius the surface rises and falls

struct Vec3 {
    double X, Y, Z;
};

double Dot3(Vec3 a, Vec3 b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
double Norm(Vec3 a) {
    return std::sqrt(Dot3(a, a));
}
Vec3 Unit(Vec3 a) {
    const double n = Norm(a);
    return {a.X / n, a.Y / n, a.Z / n};
}

// Turns a point about the x axis (the rock's long axis, across the screen).
Vec3 TurnAboutX(Vec3 p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.X, p.Y * c - p.Z * s, p.Y * s + p.Z * c};
}

// The rock's shape and colour as functions of direction, sampled on a latitude-longitude grid so
// that the ray marching reads a table instead of evaluating noise.
class RockSurface {
public:
    RockSurface(Vec3 semiAxes, uint32_t seed) : semiAxes_(semiAxes) {
        Random random(seed);
        struct Crater {
            Vec3 Centre;
            double Radius, Depth;
        };
        std::vector<Crater> craters;
        for (int i = 0; i < 7; ++i) {
            const double z = random.Uniform(-1, 1), a = random.Uniform(0, 2 * M_PI);
            const double ring = std::sqrt(1 - z * z);
            craters.push_back({{ring * std::cos(a), ring * std::sin(a), z},
                               random.Uniform(0.22, 0.45),
                               random.Uniform(0.06, 0.12)});
        }
        for (int row = 0; row < Rows; ++row)
            for (int column = 0; column < Columns; ++column) {
                const Vec3 d = Direction(column, row);
                double bump = Fractal3(d.X * 2.2 + 5, d.Y * 2.2, d.Z * 2.2, 4, seed) - 0.5;
                double dark = Fractal3(d.X * 4 + 9, d.Y * 4, d.Z * 4, 3, seed + 7);
                for (const Crater& crater : craters) {
                    const double angle = std::acos(std::clamp(Dot3(d, crater.Centre), -1.0, 1.0));
                    const double u = angle / crater.Radius;
                    if (u < 1) {
                        bump -= crater.Depth * (1 - u * u) / Lumpiness;
                        dark -= 0.18 * (1 - u);
                    } else if (u < 1.35) {
                        bump += crater.Depth * 0.5 * std::sin((u - 1) / 0.35 * M_PI) / Lumpiness;
                    }
                }
                radius_[row * Columns + column] = 1 + Lumpiness * std::clamp(bump, -0.6, 0.5);
                tone_[row * Columns + column] = std::clamp(dark, 0.0, 1.0);
            }
    }

    // Signed distance-like value: negative inside the rock.
    double Inside(Vec3 p) const {
        const double length = Norm(p);
        if (length < 1e-9)
            return -1;
        const Vec3 d{p.X / length, p.Y / length, p.Z / length};
        const double ellipsoid = 1 / std::sqrt(d.X * d.X / (semiAxes_.X * semiAxes_.X) +
                                               d.Y * d.Y / (semiAxes_.Y * semiAxes_.Y) +
                                               d.Z * d.Z / (semiAxes_.Z * semiAxes_.Z));
        return length - ellipsoid * Lookup(radius_, d);
    }

    double Tone(Vec3 p) const { return Lookup(tone_, Unit(p)); }

private:
    static constexpr int Columns = 128, Rows = 64;

    static Vec3 Direction(double column, double row) {
        const double longitude = column / Columns * 2 * M_PI;
        const double latitude = (row + 0.5) / Rows * M_PI;
        return {std::cos(latitude), std::sin(latitude) * std::cos(longitude),
                std::sin(latitude) * std::sin(longitude)};
    }

    static double Lookup(const std::array<double, Columns * Rows>& table, Vec3 d) {
        const double latitude = std::acos(std::clamp(d.X, -1.0, 1.0));
        double longitude = std::atan2(d.Z, d.Y);
        if (longitude < 0)
            longitude += 2 * M_PI;
        const double u = longitude / (2 * M_PI) * Columns;
        const double v = std::clamp(latitude / M_PI * Rows - 0.5, 0.0, Rows - 1.0);
        const int c0 = static_cast<int>(u) % Columns, c1 = (c0 + 1) % Columns;
        const int r0 = static_cast<int>(v), r1 = std::min(r0 + 1, Rows - 1);
        const double fu = u - std::floor(u), fv = v - r0;
        auto at = [&](int c, int r) { return table[r * Columns + c]; };
        return (at(c0, r0) * (1 - fu) + at(c1, r0) * fu) * (1 - fv) +
               (at(c0, r1) * (1 - fu) + at(c1, r1) * fu) * fv;
    }

    Vec3 semiAxes_;
    std::array<double, Columns * Rows> radius_{};
    std::array<double, Columns * Rows> tone_{};
};

// Colour and coverage of the ray through picture point (x, y), or alpha 0 when it misses.
Rgba RockRay(const RockSurface& rock, double angle, double x, double y, double depth) {
    auto field = [&](Vec3 p) { return rock.Inside(TurnAboutX(p, -angle)); };
    const int steps = 48;
    double previousZ = depth;
    for (int i = 0; i <= steps; ++i) {
        const double z = depth - 2 * depth * i / steps;
        if (field({x, y, z}) >= 0) {
            previousZ = z;
            continue;
        }
        // Refine the surface between the last outside and the first inside sample.
        double outside = previousZ, inside = z;
        for (int k = 0; k < 10; ++k) {
            const double mid = (outside + inside) / 2;
            (field({x, y, mid}) < 0 ? inside : outside) = mid;
        }
        const Vec3 hit{x, y, outside};
        const double e = 0.35;
        const Vec3 normal = Unit({field({x + e, y, outside}) - field({x - e, y, outside}),
                                  field({x, y + e, outside}) - field({x, y - e, outside}),
                                  field({x, y, outside + e}) - field({x, y, outside - e})});
        const Vec3 light = Unit({-0.55, -0.6, 0.58});
        const double lambert = std::max(0.0, Dot3(normal, light));
        const double rim = std::pow(1 - std::max(0.0, normal.Z), 3) * 0.25;
        const double tone = rock.Tone(TurnAboutX(hit, -angle));
        const Rgba albedo = Mix(Hex(0x4A4038), Hex(0x9C8E7E), tone);
        Rgba colour = Shade(albedo, 0.22 + 1.05 * lambert);
        colour = Mix(colour, Hex(0x8A7AA8), rim * (1 - lambert));
        return colour;
    }
    return {0, 0, 0, 0};
}

ImageRecord Asteroid(const char* name, int width, int height, uint32_t seed) {
    const double margin = 1.0 / (1 + 0.5 * Lumpiness) * 0.97;
    const RockSurface rock({width / 2.0 * margin, height / 2.0 * margin, height / 2.0 * margin},
                           seed);
    return StripRecord(name, width, height, RockFrames, [&](cairo_t* context, int frame) {
        const double angle = frame * 2 * M_PI / RockFrames;
        PaintPixels(context, [&](double x, double y) {
            // 2 x 2 rays a pixel for a smooth outline.
            Rgba sum{0, 0, 0, 0};
            for (double oy : {-0.25, 0.25})
                for (double ox : {-0.25, 0.25}) {
                    const Rgba c =
                        RockRay(rock, angle, x + ox - width / 2.0, y + oy - height / 2.0, height);
                    sum = {sum.R + c.R * c.A, sum.G + c.G * c.A, sum.B + c.B * c.A, sum.A + c.A};
                }
            if (sum.A <= 0)
                return Rgba{0, 0, 0, 0};
            return Rgba{sum.R / sum.A, sum.G / sum.A, sum.B / sum.A, sum.A / 4};
        });
    });
}

}  // namespace

ImageRecord AsteroidImage(bool large) {
    return large ? Asteroid("large asteroid", 74, 52, 2301)
                 : Asteroid("small asteroid", 36, 31, 1201);
}

}  // namespace art::race
