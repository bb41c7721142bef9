#include "Noise.h"

#include <cmath>

namespace art::race {

namespace {

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

int Wrap(int v, int period) {
    return ((v % period) + period) % period;
}

}  // namespace

double Hash01(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13 | h >> 19) * 0xC2B2AE3Du;
    h ^= static_cast<uint32_t>(y) * 0x27D4EB2Fu;
    h = (h << 17 | h >> 15) * 0x165667B1u;
    h ^= static_cast<uint32_t>(z) * 0xD3A2646Cu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h / 4294967296.0;
}

double TileNoise(double x, double y, int periodX, int periodY, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy);
    auto at = [&](int dx, int dy) {
        return Hash01(Wrap(x0 + dx, periodX), Wrap(y0 + dy, periodY), 0, seed);
    };
    return Lerp(Lerp(at(0, 0), at(1, 0), tx), Lerp(at(0, 1), at(1, 1), tx), ty);
}

double TileFractal(double x, double y, int periodX, int periodY, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        const int scale = 1 << o;
        sum += weight *
               TileNoise(x * scale, y * scale, periodX * scale, periodY * scale, seed + 101u * o);
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

double Noise3(double x, double y, double z, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy), z0 = static_cast<int>(fz);
    const double tx = Smooth(x - fx), ty = Smooth(y - fy), tz = Smooth(z - fz);
    auto at = [&](int dx, int dy, int dz) { return Hash01(x0 + dx, y0 + dy, z0 + dz, seed); };
    const double a =
        Lerp(Lerp(at(0, 0, 0), at(1, 0, 0), tx), Lerp(at(0, 1, 0), at(1, 1, 0), tx), ty);
    const double b =
        Lerp(Lerp(at(0, 0, 1), at(1, 0, 1), tx), Lerp(at(0, 1, 1), at(1, 1, 1), tx), ty);
    return Lerp(a, b, tz);
}

double Fractal3(double x, double y, double z, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0, scale = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * Noise3(x * scale, y * scale, z * scale, seed + 101u * o);
        total += weight;
        weight *= 0.5;
        scale *= 2;
    }
    return sum / total;
}

}  // namespace art::race
