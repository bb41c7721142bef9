#include "EffectPaint.h"

#include <algorithm>
#include <cmath>

#include "PixelCanvas.h"

namespace art::race {

void PaintPixels(cairo_t* context, const std::function<Rgba(double x, double y)>& shade) {
    PixelCanvas canvas(cairo_get_target(context));
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            canvas.Set(x, y, shade(x + 0.5, y + 0.5));
}

HeatRamp::HeatRamp(std::initializer_list<uint32_t> colours) {
    for (uint32_t colour : colours)
        stops_.push_back(Hex(colour));
}

Rgba HeatRamp::At(double heat) const {
    const double position = std::clamp(heat, 0.0, 1.0) * (stops_.size() - 1);
    const size_t index = std::min(static_cast<size_t>(position), stops_.size() - 2);
    return Mix(stops_[index], stops_[index + 1], position - index);
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

}  // namespace art::race
