#pragma once
// The large ship-selection pictures: each race ship's own design (the same parts, colours and
// shading as its race sprite) seen from the front right and above, nose to the right, hovering
// over its shadow.

#include <cairo.h>

#include "kit/ArtKit.h"

namespace menu {

// Picture size of every ship-selection picture, pixels (placed at (88, 238) between the two
// arrow buttons and above the rating marks).
constexpr int PortraitWidth = 274;
constexpr int PortraitHeight = 150;

art::Surface DrawShipPortrait(int ship);

// Draws ship (1..5) fitted into the box with its top-left at (x, y).
void DrawShipInBox(cairo_t* context, int ship, double x, double y, double width, double height);

}  // namespace menu
