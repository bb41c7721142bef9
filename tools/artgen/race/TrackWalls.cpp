// The track's walls: a glowing energy barrier drawn exactly over each collision quadrilateral
// (touching it destroys the ship), and unlit steel joints where a bend corner's band does not
// collide, so that harmless wall looks harmless.

#include <algorithm>
#include <cmath>

#include "TrackPaint.h"

namespace art::race {

namespace {

constexpr double BorderSnap = 4;  // pixels: a wall end this close to a cell edge runs on across it

// Pixels: the race's collision test (the angles under which a point sees the four sides add up to
// at least 355 degrees) also catches points just outside the quadrilateral, up to 0.95 pixels
// beyond its sides; the lit wall covers them too.
constexpr double CollisionMargin = 1.0;

bool OnSameCellEdge(TWallCorner a, TWallCorner b) {
    auto near = [](int v, int edge) { return std::abs(v - edge) <= BorderSnap; };
    const int last = TrackCell - 1;
    return (near(a.X, 0) && near(b.X, 0)) || (near(a.X, last) && near(b.X, last)) ||
           (near(a.Y, 0) && near(b.Y, 0)) || (near(a.Y, last) && near(b.Y, last));
}

Vec2 ToVec(TWallCorner c) {
    return {double(c.X), double(c.Y)};
}

bool SameEdge(Vec2 a, Vec2 b, Vec2 p, Vec2 q) {
    auto same = [](Vec2 u, Vec2 v) { return u.X == v.X && u.Y == v.Y; };
    return (same(a, p) && same(b, q)) || (same(a, q) && same(b, p));
}

// The outline's edges that are the wall's real sides. A band that runs from one cell edge to
// another continues in the neighbouring cells, so its two ends are open: shading them would draw
// a seam at every cell edge. A block that ends inside the cell is closed all round.
std::vector<Segment> SideEdges(const TWallShape& wall) {
    const auto& c = wall.Corners;
    const bool throughBand = OnSameCellEdge(c[0], c[1]) && OnSameCellEdge(c[2], c[3]);
    const Polygon hull = ConvexHull({ToVec(c[0]), ToVec(c[1]), ToVec(c[2]), ToVec(c[3])});
    std::vector<Segment> sides;
    for (size_t i = 0; i < hull.size(); ++i) {
        const Vec2 a = hull[i], b = hull[(i + 1) % hull.size()];
        const bool end =
            SameEdge(a, b, ToVec(c[0]), ToVec(c[1])) || SameEdge(a, b, ToVec(c[2]), ToVec(c[3]));
        if (!(throughBand && end))
            sides.push_back({a, b});
    }
    return sides;
}

// Depth of a point inside the wall, in pixels from its nearest side (negative outside).
double DepthInWall(const std::vector<Segment>& sides, Vec2 p) {
    double depth = 1e9;
    for (const Segment& side : sides) {
        // Outline edges have the inside on their positive side.
        const Vec2 edge = side.To - side.From;
        depth = std::min(depth, Cross(edge, p - side.From) / Length(edge));
    }
    return depth;
}

// The barrier's colour across its width: a dark red rim, orange, then a pale yellow core, with
// brighter emitter nodes every 12 pixels down the track.
Rgba BarrierColour(double depth, double y) {
    struct Stop {
        double Depth;
        Rgba Colour;
    };
    static const Stop stops[] = {{0.0, Hex(0xA82210)},
                                 {1.2, Hex(0xE2420E)},
                                 {2.4, Hex(0xFF8A1C)},
                                 {3.4, Hex(0xFFC84A)},
                                 {4.4, Hex(0xFFEFA6)}};
    Rgba colour = stops[0].Colour;
    for (size_t i = 1; i < std::size(stops); ++i) {
        if (depth >= stops[i].Depth) {
            colour = stops[i].Colour;
            continue;
        }
        const double t = (depth - stops[i - 1].Depth) / (stops[i].Depth - stops[i - 1].Depth);
        colour = Mix(stops[i - 1].Colour, stops[i].Colour, std::clamp(t, 0.0, 1.0));
        break;
    }
    const double phase = std::fmod(y + 6, 12.0) / 12.0;
    const double node = std::pow(std::max(0.0, std::cos(phase * 2 * M_PI)), 6);
    return Mix(colour, Hex(0xFFF6C8), 0.35 * node * std::clamp(depth / 3, 0.0, 1.0));
}

// The collision quadrilateral grown by half a pixel each way: a pixel touches the quadrilateral
// when its centre lies inside this outline.
Polygon PixelReachOfWall(const TWallShape& wall) {
    Polygon grown;
    for (const TWallCorner& corner : wall.Corners)
        for (double dx : {-0.5, 0.5})
            for (double dy : {-0.5, 0.5})
                grown.push_back({corner.X + dx, corner.Y + dy});
    return ConvexHull(grown);
}

}  // namespace

void PaintLitWall(PixelCanvas& canvas, const TWallShape& wall) {
    const Polygon reach = PixelReachOfWall(wall);
    const std::vector<Segment> sides = SideEdges(wall);
    for (int y = 0; y < TrackCell; ++y)
        for (int x = 0; x < TrackCell; ++x) {
            const Vec2 centre{x + 0.5, y + 0.5};
            // How far the pixel lies from the collision area, beyond its own extent.
            const double gap = SignedDistanceToConvex(reach, centre) - CollisionMargin;
            const double alpha = std::clamp(1 - gap / 0.8, 0.0, 1.0);
            if (alpha <= 0)
                continue;
            const Rgba colour = BarrierColour(DepthInWall(sides, centre), centre.Y);
            canvas.Blend(x, y, WithAlpha(colour, alpha));
        }
}

double WallLightOnDeck(const TWallShape& wall, Vec2 point) {
    const Polygon hull = ConvexHull({ToVec(wall.Corners[0]), ToVec(wall.Corners[1]),
                                     ToVec(wall.Corners[2]), ToVec(wall.Corners[3])});
    const double distance = SignedDistanceToConvex(hull, point);
    if (distance <= 0)
        return 0;
    return 0.45 * std::exp(-distance / 2.2);
}

void PaintSteelJoint(PixelCanvas& canvas, const SteelJoint& joint) {
    // The joint reaches as far beyond its band as the lit walls it joins, so the two meet flush.
    constexpr double overhang = CollisionMargin + 0.5;
    // Distance inside from each long edge, measured toward the other edge, plus the overhang.
    auto inward = [](const Segment& edge, const Segment& other, Vec2 p) {
        const Vec2 direction = edge.To - edge.From;
        Vec2 normal = Vec2{-direction.Y, direction.X} * (1 / Length(direction));
        if (Dot(other.From - edge.From, normal) < 0)
            normal = normal * -1;
        return Dot(p - edge.From, normal) + overhang;
    };
    for (int y = 0; y < TrackCell; ++y)
        for (int x = 0; x < TrackCell; ++x) {
            const Vec2 p{x + 0.5, y + 0.5};
            const double fromFloor = inward(joint.FloorSide, joint.OuterSide, p);
            const double fromSpace = inward(joint.OuterSide, joint.FloorSide, p);
            const double coverage = std::clamp(std::min(fromFloor, fromSpace) + 0.5, 0.0, 1.0);
            if (coverage <= 0)
                continue;
            // Brushed steel, rounded across: a bright lip on the floor side, darker outside.
            Rgba steel = Mix(Hex(0x4C4E53), Hex(0x8C8F95), std::clamp(fromSpace / 6, 0.0, 1.0));
            if (fromFloor < 1.5)
                steel = Hex(0xB4B7BC);
            else if (fromFloor < 2.5)
                steel = Hex(0x34363A);
            if (fromSpace < 1)
                steel = Hex(0x2A2B2E);
            canvas.Blend(x, y, WithAlpha(steel, coverage));
        }
}

void PaintSteelPlate(PixelCanvas& canvas, const Polygon& plate) {
    const Polygon outline = ConvexHull(plate);
    auto onBorder = [](Vec2 a, Vec2 b) {
        return (a.X == b.X && (a.X == 0 || a.X == TrackCell)) ||
               (a.Y == b.Y && (a.Y == 0 || a.Y == TrackCell));
    };
    for (int y = 0; y < TrackCell; ++y)
        for (int x = 0; x < TrackCell; ++x) {
            const double coverage = PixelCoverage(outline, x, y);
            if (coverage <= 0)
                continue;
            const Vec2 p{x + 0.5, y + 0.5};
            double rim = 1e9;
            for (size_t i = 0; i < outline.size(); ++i) {
                const Vec2 a = outline[i], b = outline[(i + 1) % outline.size()];
                if (!onBorder(a, b))
                    rim = std::min(rim, DistanceToSegment(p, a, b));
            }
            const Rgba steel = rim < 1.2   ? Hex(0x1E1F22)
                               : rim < 2.2 ? Hex(0x8E9197)
                                           : Hex(0x5C5F65);
            canvas.Blend(x, y, WithAlpha(steel, coverage));
        }
}

}  // namespace art::race
