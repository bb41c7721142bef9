#include "platform/SegmentSlash.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double StrokePerPixelOfEm = 0.11;  // about a segment's width in the face

struct Point {
    double X, Y;
};

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double t =
        std::clamp(((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.X - (a.X + t * dx), p.Y - (a.Y + t * dy));
}

}  // namespace

bool DrawsBrokenSlash(const std::string& family) {
    return family.starts_with("DSEG14");
}

void RedrawSlashes(TTF_Font* font, const std::string& text, uint32_t rgb, TextImage& image) {
    int advance = 0, digitBottom = 0, digitTop = 0;
    if (TTF_GlyphMetrics32(font, '/', nullptr, nullptr, nullptr, nullptr, &advance) != 0 ||
        TTF_GlyphMetrics32(font, '8', nullptr, nullptr, &digitBottom, &digitTop, nullptr) != 0)
        return;
    const double baseline = image.LineTop + TTF_FontAscent(font);
    const double em = TTF_FontHeight(font);
    const double halfStroke = std::max(0.75, em * StrokePerPixelOfEm / 2);
    for (size_t slash = text.find('/'); slash != std::string::npos;
         slash = text.find('/', slash + 1)) {
        int left = 0;
        if (slash > 0 && TTF_SizeUTF8(font, text.substr(0, slash).c_str(), &left, nullptr) != 0)
            continue;
        const Point from{left + advance * 0.2, baseline - digitBottom - halfStroke};
        const Point to{left + advance * 0.8, baseline - digitTop + halfStroke};
        const int right = std::min(image.Pixels.Width, left + advance);
        for (int y = 0; y < image.Pixels.Height; ++y)
            for (int x = std::max(0, left); x < right; ++x) {
                const double distance = DistanceToSegment({x + 0.5, y + 0.5}, from, to);
                const double coverage = std::clamp(halfStroke + 0.5 - distance, 0.0, 1.0);
                image.Pixels.At(x, y) =
                    (static_cast<uint32_t>(std::lround(coverage * 255)) << 24) | (rgb & 0xFFFFFF);
            }
    }
}

}  // namespace platform
