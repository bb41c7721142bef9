#pragma once
// The emblems on the power-up bonuses, drawn in white centred on (0, 0) within a radius of about
// 11 pixels: each says at a glance what the bonus gives.

#include <cairo.h>

namespace art::race {

void DrawShipEmblem(cairo_t* context);       // extra life
void DrawShieldEmblem(cairo_t* context);     // invulnerability
void DrawChevronEmblem(cairo_t* context);    // nitro
void DrawStarburstEmblem(cairo_t* context);  // super-shot
void DrawBatteryEmblem(cairo_t* context);    // energy

}  // namespace art::race
