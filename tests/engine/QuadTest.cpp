// The quadrilateral hit test: the arc cosine table's edges and rounding, points inside, outside,
// on an edge and on a corner, and overlaps that have no corner inside.

#include "engine/QuadTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

const TQuad Square = {{{0, 0}, {100, 0}, {100, 100}, {0, 100}}};
// The same square as the track's walls give it: top pair, then bottom pair.
const TQuad SquareTopThenBottom = {{{0, 0}, {100, 0}, {0, 100}, {100, 100}}};

TQuad Rectangle(double left, double top, double right, double bottom) {
    return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

}  // namespace

TEST(ArcCosTable, EndsAndMiddleOfTheTable) {
    EXPECT_DOUBLE_EQ(ArcCosTable(1), 0);
    EXPECT_DOUBLE_EQ(ArcCosTable(-1), std::numbers::pi);
    EXPECT_DOUBLE_EQ(ArcCosTable(0), std::numbers::pi / 2);
}

TEST(ArcCosTable, RoundsHalfwayEntriesToEven) {
    // (x + 1) x 500 is exactly 62.5 and 187.5: entries 62 and 188, not 63 and 187.
    EXPECT_DOUBLE_EQ(ArcCosTable(-0.875), std::acos(62 * 0.002 - 1));
    EXPECT_DOUBLE_EQ(ArcCosTable(-0.625), std::acos(188 * 0.002 - 1));
}

TEST(ArcCosTable, OutsideTheRangeOrUndefinedIsAngleZero) {
    EXPECT_EQ(ArcCosTable(std::nextafter(1.0, 2.0)), 0);
    EXPECT_EQ(ArcCosTable(std::nextafter(-1.0, -2.0)), 0);
    EXPECT_EQ(ArcCosTable(1e300), 0);
    EXPECT_EQ(ArcCosTable(-std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(ArcCosTable(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PointInQuad, SquareInOutlineOrder) {
    EXPECT_TRUE(PointInQuad(50, 50, 0, 0, 100, 0, 100, 100, 0, 100));
    EXPECT_TRUE(PointInQuad({1, 99}, Square));
    EXPECT_FALSE(PointInQuad({150, 50}, Square));
    EXPECT_FALSE(PointInQuad({-20, -20}, Square));
}

TEST(PointInQuad, SquareWithTopPairThenBottomPair) {
    EXPECT_TRUE(PointInQuad({10, 50}, SquareTopThenBottom));
    EXPECT_TRUE(PointInQuad({90, 50}, SquareTopThenBottom));
    EXPECT_TRUE(PointInQuad({50, 50}, SquareTopThenBottom));
    EXPECT_FALSE(PointInQuad({150, 50}, SquareTopThenBottom));
}

TEST(PointInQuad, MarginOutsideAnEdge) {
    // 0.4 px outside a 100 px edge the square fills over 177.5 degrees of the view: inside.
    EXPECT_TRUE(PointInQuad({50, -0.4}, Square));
    EXPECT_FALSE(PointInQuad({50, -3}, Square));
}

TEST(PointInQuad, PointOnAnEdge) {
    // On a level edge the two directions are exactly opposite: cosine -1, 180 degrees.
    EXPECT_TRUE(PointInQuad({50, 0}, Square));
    EXPECT_TRUE(PointInQuad({0, 30}, Square));
    // On a slanted edge the normalised directions can give a cosine just below -1: that angle
    // counts as 0 and the point is outside, without reading before the table.
    const TQuad diamond = {{{0, 0}, {1, 1}, {0, 2}, {-1, 1}}};
    EXPECT_TRUE(PointInQuad({0.5, 0.5}, diamond));
    EXPECT_FALSE(PointInQuad({0.7, 0.7}, diamond));
}

TEST(PointInQuad, PointOnACornerIsOutside) {
    for (const TPointD& corner : Square)
        EXPECT_FALSE(PointInQuad(corner, Square));
    // Every corner on the point: no angle at all.
    EXPECT_FALSE(PointInQuad({5, 5}, TQuad{{{5, 5}, {5, 5}, {5, 5}, {5, 5}}}));
}

TEST(PointInQuad, UndefinedCoordinatesAreOutside) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(PointInQuad({nan, 50}, Square));
    EXPECT_FALSE(PointInQuad({inf, inf}, Square));
    EXPECT_FALSE(PointInQuad({50, 50}, TQuad{{{nan, 0}, {100, 0}, {100, 100}, {0, 100}}}));
}

TEST(QuadsOverlap, PlusSignHasNoCornerInsideAndDoesNotOverlap) {
    const TQuad upright = Rectangle(40, 0, 60, 100);
    const TQuad level = Rectangle(0, 40, 100, 60);
    EXPECT_FALSE(QuadsOverlap(upright, level));
    EXPECT_FALSE(QuadsOverlap(level, upright));
}

TEST(QuadsOverlap, QuadInsideAnotherOverlapsWhicheverComesFirst) {
    const TQuad inner = Rectangle(30, 30, 60, 60);
    EXPECT_TRUE(QuadsOverlap(inner, Square));
    EXPECT_TRUE(QuadsOverlap(Square, inner));
}

TEST(QuadsOverlap, CornerOfEitherInsideTheOther) {
    EXPECT_TRUE(QuadsOverlap(Rectangle(90, 90, 150, 150), Square));
    EXPECT_TRUE(QuadsOverlap(Square, Rectangle(90, 90, 150, 150)));
    EXPECT_FALSE(QuadsOverlap(Rectangle(110, 0, 150, 100), Square));
    // Sharing only a corner point: that corner is on a corner of the other, so outside.
    EXPECT_FALSE(QuadsOverlap(Rectangle(100, 100, 150, 150), Square));
}
