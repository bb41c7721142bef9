#pragma once
// Direct pixel access to a Cairo ARGB32 picture, for the effects that are computed per pixel
// (noise textures, glow, shading). Holds the surface flushed while alive and marks it dirty when
// done, so Cairo drawing before and after stays consistent.

#include <cairo.h>

#include <cstdint>

#include "Colour.h"

namespace art::race {

class PixelCanvas {
public:
    explicit PixelCanvas(cairo_surface_t* surface);
    ~PixelCanvas();
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }

    Rgba Get(int x, int y) const;
    // Replaces the pixel; out-of-picture coordinates are ignored.
    void Set(int x, int y, const Rgba& colour);
    // Draws colour over the pixel (source-over with the colour's alpha).
    void Blend(int x, int y, const Rgba& colour);
    // Adds colour x colour.A to the pixel, as light does; the pixel's own alpha is kept at least.
    void AddLight(int x, int y, const Rgba& colour);

private:
    uint32_t* Row(int y) const;

    cairo_surface_t* surface_;
    unsigned char* data_;
    int width_;
    int height_;
    int stride_;
};

}  // namespace art::race
