#pragma once
// Helpers for the glowing effects (flames, shots, impacts, explosions): pictures computed per
// pixel, and colour ramps from cool to hot.

#include <cairo.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "Colour.h"

namespace art::race {

// Sets every pixel of the context's picture to shade(x, y), evaluated at the pixel's centre.
void PaintPixels(cairo_t* context, const std::function<Rgba(double x, double y)>& shade);

// Colours at evenly spaced heats from 0 to 1, blended between.
class HeatRamp {
public:
    HeatRamp(std::initializer_list<uint32_t> colours);
    Rgba At(double heat) const;

private:
    std::vector<Rgba> stops_;
};

// Hermite step from 0 at edge0 to 1 at edge1.
double SmoothStep(double edge0, double edge1, double x);

}  // namespace art::race
