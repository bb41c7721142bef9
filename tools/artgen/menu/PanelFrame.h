#pragma once
// The frame every menu panel shares: a chamfered slab of dark glass with a steel border, faint
// scan lines and amber corner ticks.

#include <cairo.h>

#include <cstdint>

#include "menu/MenuPalette.h"
#include "menu/Plates.h"

namespace menu {

struct PanelColours {
    uint32_t Top;
    uint32_t Bottom;
    uint32_t Border;
    uint32_t Accent;
};

// The dark glass of the sub-screen panels, under white and silver text.
constexpr PanelColours GlassPanel{PanelTop, PanelBottom, SteelRim, Amber};

// Paints the panel filling box (with 2 px left free below it for the shadow).
void PaintPanel(cairo_t* context, const Box& box, double cut, const PanelColours& colours);

}  // namespace menu
