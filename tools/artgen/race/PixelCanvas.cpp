#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace art::race {

namespace {

uint32_t ToByte(double v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

PixelCanvas::PixelCanvas(cairo_surface_t* surface)
    : surface_(surface),
      data_(nullptr),
      width_(cairo_image_surface_get_width(surface)),
      height_(cairo_image_surface_get_height(surface)),
      stride_(cairo_image_surface_get_stride(surface)) {
    cairo_surface_flush(surface_);
    data_ = cairo_image_surface_get_data(surface_);
}

PixelCanvas::~PixelCanvas() {
    cairo_surface_mark_dirty(surface_);
}

uint32_t* PixelCanvas::Row(int y) const {
    return reinterpret_cast<uint32_t*>(data_ + static_cast<std::ptrdiff_t>(y) * stride_);
}

Rgba PixelCanvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return {0, 0, 0, 0};
    const uint32_t p = Row(y)[x];
    const double a = (p >> 24) / 255.0;
    if (a <= 0)
        return {0, 0, 0, 0};
    return {((p >> 16) & 0xFF) / 255.0 / a, ((p >> 8) & 0xFF) / 255.0 / a, (p & 0xFF) / 255.0 / a,
            a};
}

void PixelCanvas::Set(int x, int y, const Rgba& c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const double a = std::clamp(c.A, 0.0, 1.0);
    Row(y)[x] = ToByte(a) << 24 | ToByte(c.R * a) << 16 | ToByte(c.G * a) << 8 | ToByte(c.B * a);
}

void PixelCanvas::Blend(int x, int y, const Rgba& c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const Rgba d = Get(x, y);
    const double a = std::clamp(c.A, 0.0, 1.0);
    const double outA = a + d.A * (1 - a);
    if (outA <= 0)
        return;
    auto channel = [&](double s, double t) { return (s * a + t * d.A * (1 - a)) / outA; };
    Set(x, y, {channel(c.R, d.R), channel(c.G, d.G), channel(c.B, d.B), outA});
}

void PixelCanvas::AddLight(int x, int y, const Rgba& c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const Rgba d = Get(x, y);
    const double k = std::clamp(c.A, 0.0, 1.0);
    // Light on a transparent pixel makes it as opaque as the light is strong.
    const double outA = std::max(d.A, std::min(1.0, k * std::max({c.R, c.G, c.B})));
    if (outA <= 0)
        return;
    auto channel = [&](double s, double t) { return std::min(1.0, (t * d.A + s * k) / outA); };
    Set(x, y, {channel(c.R, d.R), channel(c.G, d.G), channel(c.B, d.B), outA});
}

}  // namespace art::race
