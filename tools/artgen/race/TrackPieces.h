#pragma once
// What each track cell code shows: the floor area, the outlines of its lit wall, and whether it
// carries the start/finish marking. Cell pixels, x right, y down; the collision table
// (race/WallShapes.h) puts a cell's last pixel row and column at 71.
//
// The lit wall covers every collision shape, and it also runs on where the wall band crosses a
// bend corner without colliding there, so that the wall reads as one unbroken band across every
// two pieces the track puts side by side. The collidable corner block of the left bends sits on
// a mount beside the band, drawn under it.

#include <vector>

#include "Geometry.h"

namespace art::race {

constexpr int TrackCell = 72;       // pixels per track cell, both ways
constexpr int TrackCodeCount = 23;  // patterns 0..22: pattern n is cell code n

struct Segment {
    Vec2 From, To;
};

struct TrackPiece {
    Polygon Floor;  // convex; empty for pattern 0
    // Convex outlines of lit wall; they may reach beyond the cell, where the wall runs on into
    // a neighbour. A side lying along a cell edge is open: the wall continues there.
    std::vector<Polygon> Walls;
    bool FinishLine = false;  // carries the start/finish marking
    // At a bend corner joint, the walls of the piece across the edge, in this cell's pixels: the
    // lit area reaches over the edge on both sides alike, so the band's outline has no step.
    std::vector<Polygon> PartnerWalls;
    // Convex outlines of a corner block's mount: lit wall that lies beside the band, under it,
    // shaded no brighter than the band's orange flank, so the band runs on over it unbroken.
    std::vector<Polygon> Mounts;
};

TrackPiece TrackPieceOf(int cellCode);

}  // namespace art::race
