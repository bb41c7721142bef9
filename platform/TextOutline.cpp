#include "platform/TextOutline.h"

#include <algorithm>

namespace platform {

namespace {

constexpr uint32_t OutlineRgb = 0x000000;

uint32_t AlphaOf(uint32_t argb) {
    return argb >> 24;
}

// Straight-alpha "over": the text pixel over the outline pixel.
uint32_t Over(uint32_t top, uint32_t below) {
    const uint32_t a = AlphaOf(top), b = AlphaOf(below);
    const uint32_t out = a + b * (255 - a) / 255;
    if (out == 0)
        return 0;
    uint32_t result = out << 24;
    for (int shift : {16, 8, 0}) {
        const uint32_t t = (top >> shift) & 0xFF, u = (below >> shift) & 0xFF;
        const uint32_t channel = (t * a + u * b * (255 - a) / 255) / out;
        result |= std::min<uint32_t>(channel, 255) << shift;
    }
    return result;
}

}  // namespace

TextImage WithDarkOutline(const TextImage& text) {
    const PixelImage& in = text.Pixels;
    TextImage out{{in.Width + 2 * OutlineWidth, in.Height + 2 * OutlineWidth,
                   std::vector<uint32_t>(static_cast<size_t>(in.Width + 2 * OutlineWidth) *
                                         static_cast<size_t>(in.Height + 2 * OutlineWidth))},
                  text.LineTop + OutlineWidth};
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < in.Width && y < in.Height; };
    for (int y = 0; y < out.Pixels.Height; ++y)
        for (int x = 0; x < out.Pixels.Width; ++x) {
            // The outline's coverage is the text's, grown by OutlineWidth pixels.
            uint32_t grown = 0;
            for (int dy = -OutlineWidth; dy <= OutlineWidth; ++dy)
                for (int dx = -OutlineWidth; dx <= OutlineWidth; ++dx) {
                    const int sx = x - OutlineWidth + dx, sy = y - OutlineWidth + dy;
                    if (inside(sx, sy))
                        grown = std::max(grown, AlphaOf(in.At(sx, sy)));
                }
            const int sx = x - OutlineWidth, sy = y - OutlineWidth;
            const uint32_t glyph = inside(sx, sy) ? in.At(sx, sy) : 0;
            out.Pixels.At(x, y) = Over(glyph, (grown << 24) | OutlineRgb);
        }
    return out;
}

}  // namespace platform
