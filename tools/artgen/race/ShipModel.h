#pragma once
// Ships seen from above, nose up, built from flat and rounded parts at different heights so that
// one design can be drawn level or rolled: rolling shifts the high parts sideways, foreshortens
// the wings and moves the light across the hull.

#include <cairo.h>

#include <vector>

#include "Colour.h"
#include "Geometry.h"

namespace art::race {

enum class PartFinish {
    Paint,  // flat painted plate (wings, fins); lit by its tilt only
    Hull,   // rounded body (fuselage, pods): lit like a cylinder across
    Glass,  // cockpit canopy: rounded, dark, with a highlight
    Light,  // self-lit (nozzle glow, running lights): not shaded
    Seam,   // a panel line: the points form an open line, drawn thin and dark
};

struct ShipPart {
    PartFinish Finish = PartFinish::Paint;
    Polygon Points;     // picture pixels: x from the centre line (right +), y from the top
    double Height = 0;  // pixels above the wing plane
    double Tilt = 0;    // radians the surface faces right (dihedral of a wing)
    Rgba Colour;
    bool Smooth = false;  // outline through the points as a smooth curve
};

struct ShipDesign {
    int Width = 0, Height = 0;
    std::vector<ShipPart> Parts;  // drawn in order
};

// Draws the design on a context of exactly Width x Height. roll is in radians: positive rolls the
// ship to its left (left wing down), negative to its right.
void PaintShip(cairo_t* context, const ShipDesign& design, double roll);

// A closed outline from its right half (top to bottom, x >= 0) mirrored about the centre line.
Polygon MirroredOutline(const Polygon& rightHalf);

// The part's twin on the other side: x mirrored and the tilt reversed.
ShipPart MirroredPart(const ShipPart& part);

}  // namespace art::race
