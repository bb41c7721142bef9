#pragma once
// The speedometer's segment digits and the energy cells, shared by their own images and by the
// instrument panel, which shows the same shapes unlit underneath them.

#include <cairo.h>

#include "Colour.h"
#include "Geometry.h"

namespace art::race {

// Lit green of the panel's read-outs, as the race's own green texts.
inline constexpr Rgba ReadoutGreen = Hex(0x60FF00);

// Draws the segments of a digit 0..9 in its 10 x 15 box at topLeft; unlit shows all seven
// segments in the unlit colour, as on a segment display that is switched on.
void PaintSegmentDigit(cairo_t* context, Vec2 topLeft, int digit, bool lit);

// Draws energy cell 1..4 (screen coordinates, shifted by -origin): lit, or as its empty socket.
void PaintEnergyCell(cairo_t* context, int cell, bool lit, Vec2 origin);

}  // namespace art::race
