// The track image as the game reads it from Data/Res/Res2.dxg, against the walls the race tests
// ships with: every point of a collision shape is drawn as glowing wall, nothing away from the
// walls looks like wall, floor and open space lie on the sides the cell codes give them, and every
// two pieces the track generator puts side by side or one above the other join without a seam.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "TrackNeighbours.h"
#include "engine/FileOpenError.h"
#include "engine/ImageListFile.h"
#include "engine/PatternGrid.h"
#include "engine/QuadTest.h"
#include "platform/PixelImage.h"
#include "race/WallShapes.h"

namespace {

constexpr int Cell = 72;

struct Pixel {
    int A, R, G, B;
};

// The track's 23 patterns (race image 1), read and decoded as the game loads them, with the
// colour key made transparent.
class TrackPatterns {
public:
    TrackPatterns() {
        const std::string bytes = ReadWholeFile("Data/Res/Res2.dxg");
        std::vector<TImageListEntry> list =
            ParseImageList(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        const TImageListEntry& track = list.at(1);
        grid_ = ResolvePatternGrid(track.PictureWidth, track.PictureHeight, track.PatternWidth,
                                   track.PatternHeight, track.SkipWidth, track.SkipHeight);
        std::string error;
        if (!platform::DecodePng(track.Png, pixels_, error))
            ADD_FAILURE() << error;
        if (track.Transparent)
            key_ = track.TransparentColor & 0xFFFFFF;
    }

    Pixel At(int code, int x, int y) const {
        const uint32_t p = pixels_.At(grid_.PatternLeft(code) + x, grid_.PatternTop(code) + y);
        if (key_ && (p & 0xFFFFFF) == *key_)
            return {0, 0, 0, 0};
        auto channel = [&](int shift) { return static_cast<int>((p >> shift) & 0xFF); };
        return {channel(24), channel(16), channel(8), channel(0)};
    }

private:
    TPatternGrid grid_;
    platform::PixelImage pixels_;
    std::optional<uint32_t> key_;
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

TEST(RaceArtTrack, WallThatDoesNotCollideOnlyJoinsTheBandUp) {
    // Lit wall away from a piece's collision shape is drawn only where the band runs on through a
    // bend's corner piece (codes 4, 10, 13 and 16 do not collide at all), where the wall swells
    // round the corner block of the left bends (codes 7 to 10) and where it squares off a slanted
    // band end (5 and 15), plus a pixel where a straight wall meets a wider one (3). Even there it
    // stays a stretch of band, under a tenth of the cell.
    const std::vector<int> joiningPieces = {3, 4, 5, 7, 8, 9, 10, 13, 15, 16};
    for (int code = 0; code < 23; ++code) {
        const int kind = WallKind(code);
        int harmlessWall = 0;
        for (int y = 0; y < Cell; ++y)
            for (int x = 0; x < Cell; ++x) {
                // The collision test reaches up to a pixel beyond the quadrilateral, and the
                // wall's pixels as far again.
                const bool away =
                    kind == NoWall || (!PixelCollides(WallShapeOf(kind), x, y) &&
                                       DistanceToWall(WallShapeOf(kind), x + 0.5, y + 0.5) > 2.5);
                if (away && LooksLikeWall(Track().At(code, x, y)))
                    ++harmlessWall;
            }
        const bool joins = std::ranges::find(joiningPieces, code) != joiningPieces.end();
        EXPECT_LE(harmlessWall, joins ? Cell * Cell / 10 : 0) << "code " << code;
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
        {9, {{20, 50}, {60, 70}}, {{68, 8}}},
        {10, {}, {{40, 30}, {71, 0}}},  // its floor corner is all band and swelling
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

const TrackNeighbourPairs& GeneratedNeighbours() {
    static const TrackNeighbourPairs pairs = GeneratedTrackNeighbours();
    return pairs;
}

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

// What a pixel of a shared edge shows: open space, floor (with steel and markings) or wall.
enum class Look { Space, Floor, Wall };

Look LookOf(Pixel p) {
    if (p.A < 128)
        return Look::Space;
    return LooksLikeWall(p) ? Look::Wall : Look::Floor;
}

// Pixels along the lines `inset` pixels in from the shared edge of two neighbouring pieces whose
// look has no match on the other side near the same place. A boundary may move a pixel for
// anti-aliasing and 2 more where a wall side crosses the edge at a slant, and further the
// further in the lines lie: `drift` pixels along the edge per pixel across it (a bend's band,
// 26.6 degrees off the track's direction, drifts 2 pixels down a side edge per column and half a
// pixel along a top edge per row).
template <class FirstLine, class SecondLine>
std::string SeamAlong(FirstLine first, SecondLine second, int inset, int drift) {
    const int tolerance = 3 + drift * 2 * inset;
    auto matched = [&](auto line, int i, Look look) {
        for (int j = std::max(0, i - tolerance); j <= std::min(Cell - 1, i + tolerance); ++j)
            if (LookOf(line(j)) == look)
                return true;
        return false;
    };
    std::ostringstream seam;
    for (int i = 0; i < Cell; ++i)
        if (!matched(second, i, LookOf(first(i))) || !matched(first, i, LookOf(second(i))))
            seam << ' ' << i;
    return seam.str();
}

TEST(RaceArtTrack, EveryPairOfPiecesTheGeneratorPlacesJoinsWithoutASeam) {
    const TrackNeighbourPairs& pairs = GeneratedNeighbours();
    // Every kind of row, bend step and the line row are among them.
    EXPECT_GE(pairs.Beside.size(), 20u);
    EXPECT_GE(pairs.Stacked.size(), 30u);
    // The edge lines themselves, and lines 2 pixels in, beyond the pixel and a half by which a
    // lit wall may reach over an edge and hide a gap behind it.
    for (int inset : {0, 2}) {
        for (auto [left, right] : pairs.Beside) {
            const std::string seam =
                SeamAlong([&](int y) { return Track().At(left, Cell - 1 - inset, y); },
                          [&](int y) { return Track().At(right, inset, y); }, inset, 2);
            EXPECT_EQ(seam, "") << left << " beside " << right << ", " << inset << " in: seam at y";
        }
        for (auto [upper, lower] : pairs.Stacked) {
            const std::string seam =
                SeamAlong([&](int x) { return Track().At(upper, x, Cell - 1 - inset); },
                          [&](int x) { return Track().At(lower, x, inset); }, inset, 1);
            EXPECT_EQ(seam, "") << upper << " over " << lower << ", " << inset << " in: seam at x";
        }
    }
}

// The barrier's pale core: the middle of a wall band, deeper than its red rim and orange.
bool IsCore(Pixel p) {
    return p.A == 255 && p.R >= 0xF0 && p.G >= 0xC0;
}

// The widest run of core pixels along any pixel row of the pieces laid side by side, from left
// to right (NoPiece for empty space).
int WidestCoreRun(const std::vector<int>& row, int y) {
    int widest = 0, run = 0;
    for (int code : row)
        for (int x = 0; x < Cell; ++x) {
            run = code != NoPiece && IsCore(Track().At(code, x, y)) ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    return widest;
}

TEST(RaceArtTrack, RoundEveryBendCornerTheWallIsOneBandOfEvenWidth) {
    // Where four pieces meet in a bend (the bend corners and the corner blocks of the left
    // bends, diagonal neighbours both ways) the barrier's core runs on as one line no wider
    // than a slanted band's: a block or a joint filled in as a patch of core shows as a tooth.
    int straight = 0;
    for (int y = 0; y < Cell; ++y)
        straight = std::max(straight, WidestCoreRun({2}, y));
    ASSERT_GT(straight, 0);
    const int slanted = straight + 2;  // a 26.6 degree band crosses a row a little wider
    int checked = 0;
    for (const std::array<int, 4>& corner : GeneratedNeighbours().Corners) {
        int widest = 0;
        for (int y = 0; y < Cell; ++y) {
            widest = std::max(widest, WidestCoreRun({corner[0], corner[1]}, y));
            widest = std::max(widest, WidestCoreRun({corner[2], corner[3]}, y));
        }
        ++checked;
        EXPECT_LE(widest, slanted)
            << corner[0] << " " << corner[1] << " over " << corner[2] << " " << corner[3];
    }
    EXPECT_GE(checked, 20);
}

TEST(RaceArtTrack, CollisionShapesOfStackedPiecesMeetAtTheSameColumns) {
    // Where a wall crosses the edge between two stacked cells, both shapes span the same columns
    // to within a pixel or two; a mistyped corner would open a gap or a step in the wall.
    int checked = 0;
    for (auto [upper, lower] : GeneratedNeighbours().Stacked) {
        if (!WallsCrossBetween(upper, lower))
            continue;
        int upperFrom, upperTo, lowerFrom, lowerTo;
        WallSpanAtEdge(WallShapeOf(WallKind(upper)), Cell - 1, upperFrom, upperTo);
        WallSpanAtEdge(WallShapeOf(WallKind(lower)), 0, lowerFrom, lowerTo);
        ++checked;
        EXPECT_LE(std::abs(upperFrom - lowerFrom), 2) << upper << " over " << lower;
        EXPECT_LE(std::abs(upperTo - lowerTo), 2) << upper << " over " << lower;
    }
    EXPECT_GE(checked, 15);
}

}  // namespace
