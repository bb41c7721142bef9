#pragma once
// Plane geometry for the race pictures: points, convex outlines and their paths in Cairo.

#include <cairo.h>

#include <vector>

namespace art::race {

struct Vec2 {
    double X = 0, Y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.X + b.X, a.Y + b.Y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.X - b.X, a.Y - b.Y};
}
inline Vec2 operator*(Vec2 a, double k) {
    return {a.X * k, a.Y * k};
}
inline double Dot(Vec2 a, Vec2 b) {
    return a.X * b.X + a.Y * b.Y;
}
inline double Cross(Vec2 a, Vec2 b) {
    return a.X * b.Y - a.Y * b.X;
}
Vec2 Lerp(Vec2 a, Vec2 b, double t);
double Length(Vec2 a);

using Polygon = std::vector<Vec2>;

// The convex hull of the points, ordered so that the inside lies on the positive side of every
// edge (Cross(edge, point - edge start) >= 0), without repeated points.
Polygon ConvexHull(Polygon points);

// True when p lies inside the convex polygon or on its border (within `tolerance` pixels).
bool InsideConvex(const Polygon& hull, Vec2 p, double tolerance = 1e-9);

// Signed distance from p to the convex polygon's border: negative inside, positive outside.
double SignedDistanceToConvex(const Polygon& hull, Vec2 p);

double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b);

// Share (0..1) of the pixel at (x, y) that the convex polygon covers, from 4 x 4 samples.
double PixelCoverage(const Polygon& hull, int x, int y);

// Adds the polygon as a closed path to the context.
void PolygonPath(cairo_t* context, const Polygon& polygon);

}  // namespace art::race
