#pragma once
// What each track cell code shows besides its lit wall: the floor area, and for the bend corners
// whose drawn wall does not collide, an unlit steel joint, and steel plates where the wall needs
// a mounting. Cell pixels 0..72, x right, y down. The lit
// walls themselves come from the collision table (race/WallShapes.h).

#include <optional>
#include <vector>

#include "Geometry.h"

namespace art::race {

constexpr int TrackCell = 72;       // pixels per track cell, both ways
constexpr int TrackCodeCount = 23;  // patterns 0..22: pattern n is cell code n

struct Segment {
    Vec2 From, To;
};

// A stretch of wall band without collision, between its edge on the floor side and its edge on
// the open-space side; both run from one cell edge to another.
struct SteelJoint {
    Segment FloorSide, OuterSide;
};

struct TrackPiece {
    Polygon Floor;  // convex; empty for pattern 0
    std::optional<SteelJoint> Joint;
    bool FinishLine = false;  // carries the start/finish marking
    // Flat steel plates (convex), where the wall needs a mounting: round the lit corner block of
    // the left bends, joining it to the wall, and where a steel joint meets a lit wall's slanted
    // end.
    std::vector<Polygon> SteelPlates;
};

TrackPiece TrackPieceOf(int cellCode);

}  // namespace art::race
