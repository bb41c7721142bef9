// The track image against the walls the race tests ships with: every point of a collision shape
// is drawn as glowing wall, nothing away from the shapes looks like wall, floor and open space lie
// on the sides the cell codes give them, and neighbouring pieces join up.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/QuadTest.h"
#include "kit/ArtKit.h"
#include "race/RaceImages.h"
#include "race/WallShapes.h"

namespace {

constexpr int Cell = 72;

struct Pixel {
    int A, R, G, B;
};

// The track's 23 patterns, decoded from the record's PNG by Cairo.
class TrackPatterns {
public:
    TrackPatterns() {
        const ImageRecord track = art::race::TrackTilesImage();
        for (int code = 0; code < 23; ++code)
            patterns_.push_back(art::CutPattern(track, code));
    }

    Pixel At(int code, int x, int y) const {
        cairo_surface_t* surface = patterns_[code].get();
        cairo_surface_flush(surface);
        const unsigned char* row = cairo_image_surface_get_data(surface) +
                                   static_cast<size_t>(y) * cairo_image_surface_get_stride(surface);
        const uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
        const int a = static_cast<int>(p >> 24);
        auto straight = [&](int shift) {
            return a == 0 ? 0 : static_cast<int>(((p >> shift) & 0xFF) * 255 / a);
        };
        return {a, straight(16), straight(8), straight(0)};
    }

private:
    std::vector<art::Surface> patterns_;
};

const TrackPatterns& Track() {
    static const TrackPatterns track;
    return track;
}

// The barrier glows red, orange and pale yellow; floor, steel and markings are neutral.
bool LooksLikeWall(Pixel p) {
    return p.A > 128 && p.R >= 140 && p.R - p.B >= 64;
}
bool IsOpaqueWall(Pixel p) {
    return p.A == 255 && LooksLikeWall(p);
}
bool IsFloor(Pixel p) {
    return p.A == 255 && !LooksLikeWall(p);
}
bool IsOpenSpace(Pixel p) {
    return p.A == 0;
}

// Whether the race's own collision test counts the point as inside the wall.
bool Collides(const TWallShape& wall, double px, double py) {
    const auto& c = wall.Corners;
    return PointInQuad(px, py, c[0].X, c[0].Y, c[1].X, c[1].Y, c[2].X, c[2].Y, c[3].X, c[3].Y);
}

// A pixel is in the wall when any of 5 x 5 points spread over it collides.
bool PixelCollides(const TWallShape& wall, int x, int y) {
    for (int sy = 0; sy < 5; ++sy)
        for (int sx = 0; sx < 5; ++sx)
            if (Collides(wall, x + 0.02 + sx * 0.24, y + 0.02 + sy * 0.24))
                return true;
    return false;
}

double SegmentDistance(double px, double py, TWallCorner a, TWallCorner b) {
    const double dx = b.X - a.X, dy = b.Y - a.Y;
    const double t =
        std::clamp(((px - a.X) * dx + (py - a.Y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(px - (a.X + t * dx), py - (a.Y + t * dy));
}

// Distance from a point outside the wall's quadrilateral to it: outside a convex shape the
// nearest point is on its outline, and every segment between two corners lies within it.
double DistanceToWall(const TWallShape& wall, double px, double py) {
    double nearest = 1e9;
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            nearest = std::min(nearest, SegmentDistance(px, py, wall.Corners[i], wall.Corners[j]));
    return nearest;
}

TEST(RaceArtTrack, EveryPixelAShipCollidesInIsDrawnAsOpaqueWall) {
    for (const TWallShape& wall : WallShapes) {
        int missed = 0;
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x)
                if (PixelCollides(wall, x, y) && !IsOpaqueWall(Track().At(wall.CellCode, x, y)))
                    ++missed;
        EXPECT_EQ(missed, 0) << "code " << int(wall.CellCode);
    }
}

TEST(RaceArtTrack, NothingAwayFromTheCollisionShapesLooksLikeWall) {
    for (int code = 0; code < 23; ++code) {
        const int kind = WallKind(code);
        int falseWalls = 0;
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x) {
                // The collision test reaches up to a pixel beyond the quadrilateral, and the
                // wall's pixels as far again.
                const bool away =
                    kind == NoWall || (!PixelCollides(WallShapeOf(kind), x, y) &&
                                       DistanceToWall(WallShapeOf(kind), x + 0.5, y + 0.5) > 2.5);
                if (away && LooksLikeWall(Track().At(code, x, y)))
                    ++falseWalls;
            }
        EXPECT_EQ(falseWalls, 0) << "code " << code;
    }
}

TEST(RaceArtTrack, FloorAndOpenSpaceLieOnTheSidesOfEachPiece) {
    struct Sides {
        int Code;
        std::vector<std::pair<int, int>> Floor, Space;
    };
    // Where each piece is floor and where open space, as the cell codes define them.
    const Sides pieces[] = {
        {1, {{0, 0}, {71, 71}, {36, 36}}, {}},
        {2, {{50, 36}, {71, 0}}, {{8, 36}, {0, 71}}},
        {3, {{20, 36}, {0, 0}}, {{62, 36}, {71, 71}}},
        {4, {{70, 4}}, {{20, 50}, {0, 71}}},
        {5, {{50, 20}, {71, 71}}, {{4, 66}}},
        {6, {{60, 20}, {71, 71}}, {{10, 60}, {0, 0}}},
        {7, {{30, 40}, {0, 71}, {55, 5}}, {}},
        {8, {{10, 50}, {0, 71}}, {{64, 20}, {71, 0}}},
        {9, {{20, 50}, {71, 71}}, {{68, 8}}},
        {10, {{1, 70}}, {{40, 30}, {71, 0}}},
        {11, {{60, 60}, {71, 0}}, {{10, 10}, {0, 71}}},
        {12, {{36, 36}, {68, 5}, {0, 0}}, {}},
        {13, {{70, 70}}, {{30, 30}, {0, 0}}},
        {14, {{50, 50}, {0, 71}}, {{4, 4}}},
        {15, {{20, 20}, {0, 71}}, {{68, 68}}},
        {16, {{1, 1}}, {{40, 40}, {71, 71}}},
        {17, {{10, 10}, {0, 71}}, {{64, 60}, {71, 0}}},
        {18, {{50, 36}, {50, 10}}, {{8, 36}}},
        {19, {{36, 36}, {36, 10}, {0, 0}}, {}},
        {20, {{36, 36}, {36, 10}, {71, 71}}, {}},
        {21, {{36, 36}, {36, 10}}, {}},
        {22, {{20, 36}, {20, 60}}, {{64, 36}}},
    };
    for (const Sides& piece : pieces) {
        for (auto [x, y] : piece.Floor)
            EXPECT_TRUE(IsFloor(Track().At(piece.Code, x, y)))
                << "code " << piece.Code << " floor at " << x << "," << y;
        for (auto [x, y] : piece.Space)
            EXPECT_TRUE(IsOpenSpace(Track().At(piece.Code, x, y)))
                << "code " << piece.Code << " space at " << x << "," << y;
    }
    // Pattern 0 is never placed on the track; it only sets the cell size.
    for (int y = 0; y < Cell; ++y)
        for (int x = 0; x < Cell; ++x)
            ASSERT_TRUE(IsOpenSpace(Track().At(0, x, y)));
}

// Pieces that meet in a track: a row of each kind over the row below it, as the track is built.
struct Join {
    int First, Second;  // upper and lower, or left and right
};

const Join UpperOverLower[] = {
    {1, 1},   {2, 2},   {3, 3},  {18, 2},  {19, 1}, {20, 1}, {21, 1},  {22, 3},  {2, 18},
    {3, 22},  {5, 2},   {7, 1},  {8, 3},   {6, 4},  {1, 5},  {9, 7},   {10, 8},  {5, 6},
    {8, 9},   {2, 6},   {3, 9},  {11, 2},  {12, 1}, {15, 3}, {13, 11}, {14, 12}, {1, 15},
    {17, 16}, {11, 14}, {12, 1}, {15, 17}, {2, 14}, {3, 17}, {19, 19},
};
const Join LeftBesideRight[] = {
    {2, 1},  {1, 1},  {1, 3},   {18, 19}, {19, 20}, {20, 19}, {19, 21}, {21, 22},
    {4, 5},  {5, 1},  {1, 7},   {7, 8},   {6, 1},   {1, 9},   {9, 10},  {11, 12},
    {12, 1}, {1, 15}, {15, 16}, {13, 14}, {14, 1},  {1, 17},
};

// The columns where a wall's collision shape meets the cell's top (edgeY 0) or bottom edge.
bool WallSpanAtEdge(const TWallShape& wall, int edgeY, int& from, int& to) {
    from = 1000;
    to = -1;
    for (TWallCorner corner : wall.Corners)
        if (corner.Y == edgeY) {
            from = std::min(from, corner.X);
            to = std::max(to, corner.X);
        }
    return to >= 0;
}

// Whether the walls of two stacked pieces both cross the edge between them.
bool WallsCrossBetween(int upper, int lower) {
    int from, to;
    return WallKind(upper) != NoWall && WallKind(lower) != NoWall &&
           WallSpanAtEdge(WallShapeOf(WallKind(upper)), Cell - 1, from, to) &&
           WallSpanAtEdge(WallShapeOf(WallKind(lower)), 0, from, to);
}

TEST(RaceArtTrack, NeighbouringPiecesMeetAlongTheirSharedEdges) {
    // Along a shared edge the drawn track (anything opaque) and the lit wall run on across it,
    // allowing a pixel or two at each side where a wall steps, and a little more where a slanted
    // wall meets a side edge (its edge pixels lie further apart along that edge).
    auto mismatches = [](auto pixelOfFirst, auto pixelOfSecond, auto same) {
        int count = 0;
        for (int i = 0; i < Cell; ++i)
            if (!same(pixelOfFirst(i), pixelOfSecond(i)))
                ++count;
        return count;
    };
    auto drawnAlike = [](Pixel a, Pixel b) { return (a.A >= 128) == (b.A >= 128); };
    auto wallAlike = [](Pixel a, Pixel b) { return LooksLikeWall(a) == LooksLikeWall(b); };
    for (const Join& join : UpperOverLower) {
        auto upper = [&](int x) { return Track().At(join.First, x, Cell - 1); };
        auto lower = [&](int x) { return Track().At(join.Second, x, 0); };
        EXPECT_LE(mismatches(upper, lower, drawnAlike), 3) << join.First << " over " << join.Second;
        if (WallsCrossBetween(join.First, join.Second)) {
            EXPECT_LE(mismatches(upper, lower, wallAlike), 3)
                << join.First << " over " << join.Second;
        }
    }
    for (const Join& join : LeftBesideRight) {
        auto left = [&](int y) { return Track().At(join.First, Cell - 1, y); };
        auto right = [&](int y) { return Track().At(join.Second, 0, y); };
        EXPECT_LE(mismatches(left, right, drawnAlike), 4)
            << join.First << " beside " << join.Second;
    }
}

TEST(RaceArtTrack, CollisionShapesOfStackedPiecesMeetAtTheSameColumns) {
    // Where a wall crosses the edge between two stacked cells, both shapes span the same columns
    // to within a pixel or two; a mistyped corner would open a gap or a step in the wall.
    int checked = 0;
    for (const Join& join : UpperOverLower) {
        if (!WallsCrossBetween(join.First, join.Second))
            continue;
        int upperFrom, upperTo, lowerFrom, lowerTo;
        WallSpanAtEdge(WallShapeOf(WallKind(join.First)), Cell - 1, upperFrom, upperTo);
        WallSpanAtEdge(WallShapeOf(WallKind(join.Second)), 0, lowerFrom, lowerTo);
        ++checked;
        EXPECT_LE(std::abs(upperFrom - lowerFrom), 2) << join.First << " over " << join.Second;
        EXPECT_LE(std::abs(upperTo - lowerTo), 2) << join.First << " over " << join.Second;
    }
    EXPECT_GE(checked, 15);
}

}  // namespace
