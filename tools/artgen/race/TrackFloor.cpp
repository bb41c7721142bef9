// The track's deck: dark tread plate (raised bars in a herringbone, 12 pixels apart) on brushed
// steel, one plate per cell with a soft seam. Dark and neutral so that the ships, the glowing walls
// and the blue captions drawn over the race all stand out against it.

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "TrackPaint.h"

namespace art::race {

namespace {

constexpr int TreadPitch = 12;  // pixels; divides the cell, so the tread runs on across cells
constexpr uint32_t DeckSeed = 101;
const Rgba DeckBase = Hex(0x3A3936);

// Light factor of the tread bar at a point: > 1 on the lit upper-left flank, < 1 on the shadowed
// flank, 1 on the flat plate. Neighbouring bars lie at right angles, as on real tread plate.
double TreadShade(double x, double y) {
    const int column = static_cast<int>(std::floor(x / TreadPitch));
    const int row = static_cast<int>(std::floor(y / TreadPitch));
    const double u = x - (column + 0.5) * TreadPitch, v = y - (row + 0.5) * TreadPitch;
    const bool rising = (column + row) % 2 == 0;
    // Coordinates along and across the bar.
    const double along = rising ? (u + v) / M_SQRT2 : (u - v) / M_SQRT2;
    const double across = rising ? (u - v) / M_SQRT2 : (u + v) / M_SQRT2;
    const double halfLength = 4.2, halfWidth = 1.3;
    const double outsideEnds = std::max(0.0, std::abs(along) - halfLength);
    const double d = std::hypot(outsideEnds, std::abs(across));
    if (d > halfWidth + 0.8)
        return 1;
    if (d > halfWidth)
        return 0.82;  // the cast shadow around the bar
    // The bar's rounded top: brighter on the side facing the top-left light.
    const double facing = rising ? -across : across;
    return 1.12 + 0.18 * std::clamp(facing / halfWidth, -1.0, 1.0) - 0.1 * (d / halfWidth);
}

// Light factor of the plate's seam at the cell edges: a thin highlight at the top and left, a
// dark groove at the bottom and right.
double SeamShade(double cx, double cy) {
    const double last = TrackCell - 1;
    if (cx > last || cy > last)
        return 0.55;
    if (cx < 1 || cy < 1)
        return 1.22;
    return 1;
}

}  // namespace

Rgba DeckColour(double x, double y) {
    const double cx = std::fmod(std::fmod(x, TrackCell) + TrackCell, TrackCell);
    const double cy = std::fmod(std::fmod(y, TrackCell) + TrackCell, TrackCell);
    const double u = cx / TrackCell, v = cy / TrackCell;
    const double brush = TileFractal(u * 2, v * 40, 2, 40, 3, DeckSeed);
    const double grime = TileFractal(u * 2, v * 2, 2, 2, 5, DeckSeed + 1);
    double k = 0.92 + 0.12 * brush;
    k *= 0.86 + 0.24 * grime;
    k *= TreadShade(cx, cy) * SeamShade(cx, cy);
    return Shade(DeckBase, k);
}

Rgba FinishLineColour(double x, double y) {
    const Rgba deck = DeckColour(x, y);
    const double cy = std::fmod(y, TrackCell);
    // White lamp strips border a two-row chequer of 12-pixel squares across the road. Nothing on
    // the floor shares the walls' warm glow.
    constexpr double bandTop = 24, bandBottom = 48, square = 12;
    if ((cy >= bandTop - 5 && cy < bandTop - 2) || (cy >= bandBottom + 2 && cy < bandBottom + 5))
        return Hex(0xEEEDE6);
    if (cy < bandTop || cy >= bandBottom)
        return deck;
    const int column = static_cast<int>(std::floor(x / square));
    const int row = static_cast<int>(std::floor(cy / square));
    const bool light = (column + row) % 2 == 0;
    // Keep the deck's relief under the paint so that it reads as painted metal.
    const double relief = (deck.R + deck.G + deck.B) / (DeckBase.R + DeckBase.G + DeckBase.B);
    return Shade(light ? Hex(0xE4E2DA) : Hex(0x222224), 0.7 + 0.3 * std::min(relief, 1.3));
}

}  // namespace art::race
