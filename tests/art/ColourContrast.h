#pragma once
// Readability of text over a picture: sRGB relative luminance and the contrast ratio of two
// colours, 1 (none) .. 21 (black on white).

#include <algorithm>
#include <cmath>
#include <cstdint>

inline double Luminance(uint32_t rgb) {
    auto linear = [](uint32_t channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear((rgb >> 16) & 0xFF) + 0.7152 * linear((rgb >> 8) & 0xFF) +
           0.0722 * linear(rgb & 0xFF);
}

// Alpha bits, if any, are ignored.
inline double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a & 0xFFFFFF);
    const double lb = Luminance(b & 0xFFFFFF);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
