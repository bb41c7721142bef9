#include "PanelLayout.h"

#include <cmath>

namespace art::race {

Polygon EnergyCellOutline(int cell, double grow) {
    const Vec2 place = EnergyCellPlaces[cell - 1];
    const double cx = EnergyArcCentre.X, cy = EnergyArcCentre.Y;
    // The segment's left end meets x = place.X and its right end y = place.Y on the outer arc.
    const double start = -std::acos((place.X - cx) / EnergyArcOuter);
    const double end = -M_PI - std::asin((place.Y - cy) / EnergyArcOuter);
    const double inner = EnergyArcInner - grow, outer = EnergyArcOuter + grow;
    const double pad = grow / EnergyArcOuter;  // radians of arc per pixel of growth
    constexpr int steps = 12;
    Polygon outline;
    for (int i = 0; i <= steps; ++i) {
        const double a = start - pad + (end - start + 2 * pad) * i / steps;
        outline.push_back({cx + outer * std::cos(a), cy + outer * std::sin(a)});
    }
    for (int i = steps; i >= 0; --i) {
        const double a = start - pad + (end - start + 2 * pad) * i / steps;
        outline.push_back({cx + inner * std::cos(a), cy + inner * std::sin(a)});
    }
    return outline;
}

}  // namespace art::race
