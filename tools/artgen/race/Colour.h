#pragma once
// Colours as straight (not premultiplied) RGBA in 0..1, for the race pictures' per-pixel work.

#include <algorithm>
#include <cstdint>

namespace art::race {

struct Rgba {
    double R = 0, G = 0, B = 0, A = 1;
};

// 0xRRGGBB with an alpha.
constexpr Rgba Hex(uint32_t rgb, double alpha = 1.0) {
    return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha};
}

constexpr Rgba Mix(const Rgba& a, const Rgba& b, double t) {
    return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t,
            a.A + (b.A - a.A) * t};
}

// Brightness scaled by k (alpha kept), clamped to 0..1.
inline Rgba Shade(const Rgba& c, double k) {
    return {std::clamp(c.R * k, 0.0, 1.0), std::clamp(c.G * k, 0.0, 1.0),
            std::clamp(c.B * k, 0.0, 1.0), c.A};
}

inline Rgba WithAlpha(const Rgba& c, double alpha) {
    return {c.R, c.G, c.B, alpha};
}

// top drawn over bottom (source-over with straight alpha).
inline Rgba Over(const Rgba& top, const Rgba& bottom) {
    const double a = top.A + bottom.A * (1 - top.A);
    if (a <= 0)
        return {0, 0, 0, 0};
    auto channel = [&](double t, double b) { return (t * top.A + b * bottom.A * (1 - top.A)) / a; };
    return {channel(top.R, bottom.R), channel(top.G, bottom.G), channel(top.B, bottom.B), a};
}

}  // namespace art::race
