#pragma once
// Small pictograms on the main-menu buttons and option switches, drawn as paths in the current
// source colour.

#include <cairo.h>

namespace menu {

enum class Icon { Play, Help, Options, HighScores, HomePage, Exit, Music, Sound };

// Draws the icon centred on (x, y), fitting a square of size pixels.
void DrawIcon(cairo_t* context, Icon icon, double x, double y, double size);

}  // namespace menu
