#pragma once
// What each track cell code shows: the floor area, the outlines of its lit wall, and whether it
// carries the start/finish marking. Cell pixels, x right, y down; the collision table
// (race/WallShapes.h) puts a cell's last pixel row and column at 71.
//
// The lit wall covers every collision shape, and it also runs on where the wall band crosses a
// bend corner without colliding there, so that the wall reads as one unbroken band across every
// two pieces the track puts side by side. Round the collidable corner block of the left bends
// the wall swells to take the block in.

#include <optional>
#include <vector>

#include "Geometry.h"

namespace art::race {

constexpr int TrackCell = 72;       // pixels per track cell, both ways
constexpr int TrackCodeCount = 23;  // patterns 0..22: pattern n is cell code n

struct Segment {
    Vec2 From, To;
};

// The right wall of a left bend swells round the collidable block in the corner of code 7
// (x 65..71, y 0..19): its floor-side edge leaves the band in a smooth curve, runs down past the
// block and curves back into the band below it, so the block is part of one thicker stretch of
// wall. The four cells round the block's top-right corner (codes 7 to 10) share the shape.
struct WallSwell {
    std::vector<Polygon> Band;  // convex: the band's outlines in those four cells
    Polygon Bulge;              // convex: the swelling, merged into the band in a fillet
};

// Signed distances from a point (negative inside) to the edge of the swollen wall, where the
// band and the swelling merge in a round fillet with no notch of floor between them, and to the
// band alone.
struct SwellDistance {
    double Edge, Band;
};
SwellDistance DistanceToSwell(const WallSwell& swell, Vec2 p);

struct TrackPiece {
    Polygon Floor;  // convex; empty for pattern 0
    // Convex outlines of lit wall; they may reach beyond the cell, where the wall runs on into
    // a neighbour. A side lying along a cell edge is open: the wall continues there.
    std::vector<Polygon> Walls;
    bool FinishLine = false;  // carries the start/finish marking
    // At a bend corner joint, the walls of the piece across the edge, in this cell's pixels: the
    // lit area reaches over the edge on both sides alike, so the band's outline has no step.
    std::vector<Polygon> PartnerWalls;
    std::optional<WallSwell> Swell;  // in this cell's pixels, for the pieces round the block
};

TrackPiece TrackPieceOf(int cellCode);

}  // namespace art::race
