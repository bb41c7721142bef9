#include "TrackPieces.h"

#include "race/WallShapes.h"

namespace art::race {

namespace {

constexpr double C = TrackCell;

// The corners of a cell code's collision shape, or nothing when it has none.
Polygon CollisionOutline(int code) {
    const int kind = WallKind(code);
    if (kind == NoWall)
        return {};
    Polygon corners;
    for (const TWallCorner& corner : WallShapeOf(kind).Corners)
        corners.push_back({double(corner.X), double(corner.Y)});
    return corners;
}

// The collision shape together with the extra corner points, as one convex outline.
Polygon CollisionOutlineWith(int code, Polygon extra) {
    Polygon outline = CollisionOutline(code);
    outline.insert(outline.end(), extra.begin(), extra.end());
    return ConvexHull(outline);
}

// The mount of the corner block of code 7 (x 65..71, y 0..19): one shape shared by the four
// cells that meet at the block's corner, given from that corner: code 7 lies left of it and
// below, code 8 right and below, code 9 left and above, code 10 right and above. It covers the
// block with the lit wall's margin and the wedge of floor between the block and the band, whose
// floor-side edge passes a pixel left of the corner 9 pixels above it and leans 1 pixel right per
// 2 down; its top and its foot slope into the band, so it ends under the band on both sides.
Polygon BlockMount(Vec2 cornerInCell) {
    const Polygon fromCorner = {{-8.5, -3}, {-8.5, 21}, {0.5, 21}, {12, 12}, {6, -3}, {0, -10}};
    Polygon outline;
    for (Vec2 point : fromCorner)
        outline.push_back(point + cornerInCell);
    return outline;
}

TrackPiece Lit(Polygon floor, std::vector<Polygon> walls, std::vector<Polygon> mounts = {}) {
    return {std::move(floor), std::move(walls), false, {}, std::move(mounts)};
}

// A piece whose lit wall is just its collision shape.
TrackPiece Walled(int code, Polygon floor) {
    return Lit(std::move(floor), {CollisionOutline(code)});
}

// The piece on its own, without its corner joint partner's walls. The bands that do not collide
// run parallel to the bend's wall where they meet a side edge, so that the lit area on both
// sides of that edge lines up; where the collision shapes leave a band end slanted or narrower
// than its neighbour, the lit wall is widened to match.
TrackPiece OwnPiece(int code) {
    const Polygon full = {{0, 0}, {C, 0}, {C, C}, {0, C}};
    switch (code) {
        case 1:
        case 12:  // the mirror of 7, but without the corner block: plain floor
            return Lit(full, {});
        case 2:
            return Walled(code, {{24, 0}, {C, 0}, {C, C}, {25, C}});
        case 3:  // lit from x 41, to meet the wider top of code 9 below it
            return Lit({{0, 0}, {46.5, 0}, {46.5, C}, {0, C}},
                       {CollisionOutlineWith(code, {{41, 0}, {41, 71}})});
        case 4:  // the left wall's band on from code 6 above into code 5; it does not collide
            return Lit({{64, 0}, {C, 16}, {C, 0}}, {{{53, 0}, {64, 0}, {71, 16}, {71, 35}}});
        case 5:  // the band's slanted end is squared off against code 4's band
            return Lit({{0, 0}, {C, 0}, {C, C}, {24, C}, {0, 16}},
                       {CollisionOutlineWith(code, {{0, 16}})});
        case 6:
            return Walled(code, {{24.5, 0}, {C, 0}, {C, C}, {64, C}});
        case 7:  // the block itself is the mount's collidable part
            return Lit(full, {}, {CollisionOutline(code), BlockMount({C, 0})});
        case 8:
            return Lit({{0, 0}, {5, 0}, {46, C}, {0, C}}, {CollisionOutline(code)},
                       {BlockMount({0, 0})});
        case 9:
            return Lit({{0, 0}, {45.5, 0}, {C, 63}, {C, C}, {0, C}}, {CollisionOutline(code)},
                       {BlockMount({C, C})});
        case 10:  // the right wall's band on from code 9 into code 8; it does not collide
            return Lit({{5, C}, {0, 63}, {0, C}}, {{{0, 42}, {0, 63}, {5, 71}, {14, 71}}},
                       {BlockMount({0, C})});
        case 11:
            return Walled(code, {{67, 0}, {C, 0}, {C, C}, {25, C}});
        case 13:  // the left wall's band on from code 11 below into code 14; it does not collide
            return Lit({{C, 63}, {67, C}, {C, C}}, {{{71, 42}, {71, 63}, {57, 71}, {67, 71}}});
        case 14:
            return Walled(code, {{24.5, 0}, {C, 0}, {C, C}, {0, C}, {0, 63}});
        case 15:  // the mirror of code 5
            return Lit({{0, 0}, {C, 0}, {C, 16}, {47, C}, {0, C}},
                       {CollisionOutlineWith(code, {{71, 16}})});
        case 16:  // the right wall's band on from code 15 into code 17; it does not collide
            return Lit({{0, 16}, {7, 0}, {0, 0}}, {{{0, 16}, {0, 35}, {7, 0}, {18, 0}}});
        case 17:
            return Walled(code, {{0, 0}, {46.5, 0}, {7, C}, {0, C}});
        case 18:
            return {{{24.5, 0}, {C, 0}, {C, C}, {24.5, C}}, {CollisionOutline(code)}, true, {}, {}};
        case 19:
        case 20:
        case 21:
            return {full, {}, true, {}, {}};
        case 22:
            return {{{0, 0}, {47, 0}, {46, C}, {0, C}}, {CollisionOutline(code)}, true, {}, {}};
        default:  // pattern 0 is never placed on the map
            return {};
    }
}

// Pieces that always meet each other at a bend corner, where one band runs on from a lit wall
// into wall that does not collide: the second lies right of the first or below it.
struct CornerJoint {
    int First, Second;
    Vec2 SecondFromFirst;  // where the second piece's cell lies, in the first's pixels
};
constexpr CornerJoint CornerJoints[] = {
    {4, 5, {C, 0}}, {9, 10, {C, 0}}, {13, 14, {C, 0}}, {15, 16, {C, 0}},
    {6, 4, {0, C}}, {10, 8, {0, C}}, {13, 11, {0, C}}, {17, 16, {0, C}},
};

void AddWallsOf(TrackPiece& piece, int code, Vec2 offset) {
    for (Polygon wall : OwnPiece(code).Walls) {
        for (Vec2& corner : wall)
            corner = corner + offset;
        piece.PartnerWalls.push_back(std::move(wall));
    }
}

}  // namespace

// Across a corner joint each piece also takes its partner's wall, so that the lit area on both
// sides of the shared edge comes from the same outlines.
TrackPiece TrackPieceOf(int code) {
    TrackPiece piece = OwnPiece(code);
    for (const CornerJoint& joint : CornerJoints) {
        if (joint.First == code)
            AddWallsOf(piece, joint.Second, joint.SecondFromFirst);
        if (joint.Second == code)
            AddWallsOf(piece, joint.First, joint.SecondFromFirst * -1);
    }
    return piece;
}

}  // namespace art::race
