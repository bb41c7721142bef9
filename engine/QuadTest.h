#pragma once
// Hit tests between quadrilaterals given by their four corners in screen (or world) pixels, so
// that rotated ships can be tested by their rotated outline. Every collision of the race uses
// them: ship against ship, against shots and asteroids, against the track's walls.

#include <array>

struct TPointD {
    double X = 0;
    double Y = 0;
};

// Four corners. Ships give them in order around the outline; the track's walls give the top
// pair, then the bottom pair.
using TQuad = std::array<TPointD, 4>;

// The arc cosine in radians, from a 1001-entry table over -1..1 (steps of 0.002, entry chosen
// by rounding half to even). Outside -1..1, and for NaN, the angle is 0.
double ArcCosTable(double x);

// True when (px, py) lies inside the quadrilateral: the angles under which the point sees the
// four sides add up to at least 355 degrees (360 inside a convex shape, twice the angle the
// shape fills from outside). A point on a corner sees that corner's two sides at angle 0.
bool PointInQuad(double px, double py, double x1, double y1, double x2, double y2, double x3,
                 double y3, double x4, double y4);
bool PointInQuad(const TPointD& point, const TQuad& quad);

// True when a corner of either quadrilateral lies inside the other: A's corners in B first,
// then B's corners in A. Two shapes crossing as a plus sign, with no corner inside the other,
// do not overlap.
bool QuadsOverlap(const TQuad& a, const TQuad& b);
