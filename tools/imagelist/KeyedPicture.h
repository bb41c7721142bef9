#pragma once
// Decodes a list image's PNG with Cairo and applies its colour key, so that a picture shows
// exactly the pixels the game would draw.

#include <cairo.h>

#include <memory>

#include "engine/ImageListFile.h"

struct CairoSurfaceDeleter {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;

// An ARGB32 surface, with key-coloured pixels made fully transparent when the image is
// transparent; nullptr when the PNG cannot be decoded.
CairoSurface DecodeKeyedPicture(const TImageListEntry& image);
