#include "TrackPieces.h"

#include <algorithm>
#include <cmath>

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

TrackPiece Lit(Polygon floor, std::vector<Polygon> walls) {
    return {std::move(floor), std::move(walls), false, {}, {}};
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
        case 7:   // floor; its corner block is drawn as part of the wall's swelling
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
        case 8:
            return Walled(code, {{0, 0}, {5, 0}, {46, C}, {0, C}});
        case 9:
            return Walled(code, {{0, 0}, {45.5, 0}, {C, 63}, {C, C}, {0, C}});
        case 10:  // the right wall's band on from code 9 into code 8; it does not collide
            return Lit({{5, C}, {0, 63}, {0, C}}, {{{0, 42}, {0, 63}, {5, 71}, {14, 71}}});
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

// Where the top-right corner of code 7's block lies in each of the four cells round it.
std::optional<Vec2> BlockCornerIn(int code) {
    switch (code) {
        case 7:
            return Vec2{C, 0};
        case 8:
            return Vec2{0, 0};
        case 9:
            return Vec2{C, C};
        case 10:
            return Vec2{0, C};
        default:
            return std::nullopt;
    }
}

// The swelling, from the block's corner. The band's floor-side edge passes 5 pixels right of the
// corner and leans 1 pixel right per 2 down. The swelling is the hull of a round and two points
// just inside the band, 30 pixels above the corner and 50 below it: its left side runs straight
// down past the block 1.5 pixels out, the round takes in the block's bottom-left corner (x -8,
// y 20, with the collision test's reach) and turns the underside back towards the band, and the
// fillet curves the edge into the band at both ends.
constexpr Vec2 SwellTop = {-9.4, -30}, SwellFoot = {32.4, 50}, SwellRoundCentre = {2.5, 16.7};
constexpr double SwellRoundRadius = 12;
constexpr double SwellFillet = 10;  // pixels: the fillet rounds the edge this close to both

WallSwell SwellRound(Vec2 corner) {
    WallSwell swell;
    for (int code : {8, 9, 10})
        for (Polygon outline : OwnPiece(code).Walls) {
            for (Vec2& point : outline)
                point = point + corner - *BlockCornerIn(code);
            swell.Band.push_back(ConvexHull(std::move(outline)));
        }
    Polygon outline = {SwellTop + corner, SwellFoot + corner};
    for (int step = 0; step < 32; ++step) {
        const double angle = step * M_PI / 16;
        outline.push_back(SwellRoundCentre + corner +
                          Vec2{std::cos(angle), std::sin(angle)} * SwellRoundRadius);
    }
    swell.Bulge = ConvexHull(std::move(outline));
    return swell;
}

}  // namespace

SwellDistance DistanceToSwell(const WallSwell& swell, Vec2 p) {
    double band = 1e9;
    for (const Polygon& outline : swell.Band)
        band = std::min(band, SignedDistanceToConvex(outline, p));
    const double bulge = SignedDistanceToConvex(swell.Bulge, p);
    // A smooth minimum: where the two lie within SwellFillet of each other, the edge curves from
    // one into the other.
    const double h = std::max(SwellFillet - std::abs(band - bulge), 0.0) / SwellFillet;
    return {std::min(band, bulge) - h * h * SwellFillet / 4, band};
}

// Across a corner joint each piece also takes its partner's wall, so that the lit area on both
// sides of the shared edge comes from the same outlines.
TrackPiece TrackPieceOf(int code) {
    TrackPiece piece = OwnPiece(code);
    if (const std::optional<Vec2> corner = BlockCornerIn(code))
        piece.Swell = SwellRound(*corner);
    for (const CornerJoint& joint : CornerJoints) {
        if (joint.First == code)
            AddWallsOf(piece, joint.Second, joint.SecondFromFirst);
        if (joint.Second == code)
            AddWallsOf(piece, joint.First, joint.SecondFromFirst * -1);
    }
    return piece;
}

}  // namespace art::race
