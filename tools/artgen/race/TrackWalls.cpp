// The track's walls: a glowing energy barrier drawn over each collision quadrilateral (touching
// it destroys the ship), and on where the band crosses a bend corner or swells round a corner
// block, so that the wall runs unbroken from piece to piece.

#include <algorithm>
#include <cmath>

#include "TrackPaint.h"

namespace art::race {

namespace {

constexpr double BorderSnap = 3;  // pixels: a wall side this close to a cell edge runs along it

// Pixels: the race's collision test (the angles under which a point sees the four sides add up to
// at least 355 degrees) also catches points just outside the quadrilateral, up to 0.95 pixels
// beyond its sides; the lit wall covers them too.
constexpr double CollisionMargin = 1.0;
constexpr double SoftEdge = 0.8;  // pixels: the wall fades out over this much beyond its reach
// Pixels of depth: inside its own rim, the wall's swelling round a corner block glows deep
// red-orange far from the band and brightens to orange where it meets it, no deeper, so that the
// band's pale core stays one even line down the wall.
constexpr double SwellFarDepth = 0.6, SwellNearDepth = 2.0;

// Whether the side runs along one of the cell's edges (collision corners on the far edges sit at
// 71, and some a few pixels in).
bool AlongCellEdge(Vec2 a, Vec2 b) {
    auto near = [](double v, double edge) { return std::abs(v - edge) <= BorderSnap; };
    const double last = TrackCell - 1;
    const bool upright = std::abs(b.Y - a.Y) >= std::abs(b.X - a.X);
    if (upright)
        return (near(a.X, 0) && near(b.X, 0)) || (near(a.X, last) && near(b.X, last));
    return (near(a.Y, 0) && near(b.Y, 0)) || (near(a.Y, last) && near(b.Y, last));
}

// How an outline's pixels are coloured.
enum class Shading {
    Band,     // the piece's own wall band: rim, orange and core by depth
    Partner,  // a partner's wall: widens the lit area, shaded as the piece's own rim
};

// A wall outline and its real sides. A side along a cell edge is open: the wall continues in the
// neighbouring cell, and shading it would draw a seam there.
struct WallOutline {
    Shading Kind;
    Polygon Reach;  // the outline grown by half a pixel: a pixel touches it when its centre is in
    std::vector<Segment> Sides;
};

WallOutline OutlineOf(const Polygon& wall, Shading kind) {
    WallOutline outline;
    outline.Kind = kind;
    const Polygon hull = ConvexHull(wall);
    for (size_t i = 0; i < hull.size(); ++i) {
        const Vec2 a = hull[i], b = hull[(i + 1) % hull.size()];
        if (!AlongCellEdge(a, b))
            outline.Sides.push_back({a, b});
    }
    Polygon grown;
    for (Vec2 corner : hull)
        for (double dx : {-0.5, 0.5})
            for (double dy : {-0.5, 0.5})
                grown.push_back({corner.X + dx, corner.Y + dy});
    outline.Reach = ConvexHull(grown);
    return outline;
}

// Depth of a point inside one outline, in pixels from its nearest real side (negative outside).
double DepthInWall(const WallOutline& wall, Vec2 p) {
    double depth = 1e9;
    for (const Segment& side : wall.Sides) {
        // Outline edges have the inside on their positive side.
        const Vec2 edge = side.To - side.From;
        depth = std::min(depth, Cross(edge, p - side.From) / Length(edge));
    }
    return depth;
}

// The barrier's colour across its width: a dark red rim, orange, then a pale yellow core, with
// brighter emitter nodes every 12 pixels down the track, which light the band from bandDepth
// pixels inside it.
Rgba BarrierColour(double depth, double bandDepth, double y) {
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
    return Mix(colour, Hex(0xFFF6C8), 0.35 * node * std::clamp(bandDepth / 3, 0.0, 1.0));
}

}  // namespace

void PaintLitWall(PixelCanvas& canvas, const TrackPiece& piece) {
    std::vector<WallOutline> outlines;
    for (const Polygon& wall : piece.Walls)
        outlines.push_back(OutlineOf(wall, Shading::Band));
    for (const Polygon& wall : piece.PartnerWalls)
        outlines.push_back(OutlineOf(wall, Shading::Partner));
    for (int y = 0; y < TrackCell; ++y)
        for (int x = 0; x < TrackCell; ++x) {
            const Vec2 centre{x + 0.5, y + 0.5};
            // How far the pixel lies from the wall, beyond its own extent; the depth of the
            // overlapping band outlines is the deepest, so they merge into one band.
            double gap = 1e9, depth = -1e9;
            for (const WallOutline& outline : outlines) {
                const double outside =
                    SignedDistanceToConvex(outline.Reach, centre) - CollisionMargin;
                gap = std::min(gap, outside);
                // Only the piece's own outlines that paint the pixel shade it: beyond an open
                // side a band runs on in the neighbouring cell, not across this one.
                if (outside < SoftEdge && outline.Kind == Shading::Band)
                    depth = std::max(depth, DepthInWall(outline, centre));
            }
            // The swelling reaches as far beyond its edge as a band beyond its outline (half a
            // pixel and the collision margin), and its rim and glow take over from the band's
            // floor-side rim where they merge.
            const double bandDepth = depth;
            if (piece.Swell) {
                const auto [edge, band] = DistanceToSwell(*piece.Swell, centre);
                gap = std::min(gap, edge - 0.5 - CollisionMargin);
                // How far across the swelling the pixel lies, from its edge (0) to the band (1).
                const double across = edge < 0 ? -edge / (-edge + std::max(band, 0.0)) : 0;
                const double glow = std::lerp(SwellFarDepth, SwellNearDepth, across);
                depth = std::max(depth, std::min(-edge, glow));
            }
            const double alpha = std::clamp(1 - gap / SoftEdge, 0.0, 1.0);
            if (alpha <= 0)
                continue;
            canvas.Blend(x, y, WithAlpha(BarrierColour(depth, bandDepth, centre.Y), alpha));
        }
}

double WallLightOnDeck(const TrackPiece& piece, Vec2 point) {
    double distance = 1e9;
    for (const Polygon& wall : piece.Walls)
        distance = std::min(distance, SignedDistanceToConvex(ConvexHull(wall), point));
    if (piece.Swell)
        distance = std::min(distance, DistanceToSwell(*piece.Swell, point).Edge);
    if (distance <= 0)
        return 0;
    return 0.45 * std::exp(-distance / 2.2);
}

}  // namespace art::race
