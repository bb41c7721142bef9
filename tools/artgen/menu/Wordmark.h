#pragma once
// The game's "ZORVEX" logo: our own letter shapes (not a font), in chrome over a bronze depth,
// and the round emblem built from its "Z".

#include <cairo.h>

#include "kit/ArtKit.h"

namespace menu {

// Width in pixels of the logo at the given letter height.
double WordmarkWidth(double letterHeight);

// Draws the logo with the top-left of its letter band at (x, y).
void DrawWordmark(cairo_t* context, double x, double y, double letterHeight);

// The round emblem of the about page, size x size pixels.
art::Surface DrawEmblem(int size);

}  // namespace menu
