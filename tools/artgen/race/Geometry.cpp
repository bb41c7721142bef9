#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace art::race {

Vec2 Lerp(Vec2 a, Vec2 b, double t) {
    return a + (b - a) * t;
}

double Length(Vec2 a) {
    return std::hypot(a.X, a.Y);
}

Polygon ConvexHull(Polygon points) {
    std::sort(points.begin(), points.end(),
              [](Vec2 a, Vec2 b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
    if (points.size() < 3)
        return points;
    // Andrew's monotone chain.
    Polygon hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && Cross(hull[k - 1] - hull[k - 2], points[i] - hull[k - 2]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && Cross(hull[k - 1] - hull[k - 2], points[i - 1] - hull[k - 2]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

double SignedDistanceToConvex(const Polygon& hull, Vec2 p) {
    // Inside a convex polygon the distance to the border is the smallest distance to an edge
    // line; outside it is the distance to the nearest edge segment.
    bool inside = true;
    double nearest = std::numeric_limits<double>::max();
    double innerMargin = std::numeric_limits<double>::max();
    for (size_t i = 0; i < hull.size(); ++i) {
        const Vec2 a = hull[i], b = hull[(i + 1) % hull.size()];
        const double side = Cross(b - a, p - a) / Length(b - a);
        if (side < 0)
            inside = false;
        innerMargin = std::min(innerMargin, side);
        nearest = std::min(nearest, DistanceToSegment(p, a, b));
    }
    return inside ? -innerMargin : nearest;
}

bool InsideConvex(const Polygon& hull, Vec2 p, double tolerance) {
    return SignedDistanceToConvex(hull, p) <= tolerance;
}

double DistanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const Vec2 ab = b - a;
    const double lengthSquared = Dot(ab, ab);
    const double t = lengthSquared > 0 ? std::clamp(Dot(p - a, ab) / lengthSquared, 0.0, 1.0) : 0;
    return Length(p - Lerp(a, b, t));
}

double PixelCoverage(const Polygon& hull, int x, int y) {
    int inside = 0;
    for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
            if (InsideConvex(hull, {x + (sx + 0.5) / 4, y + (sy + 0.5) / 4}))
                ++inside;
    return inside / 16.0;
}

void PolygonPath(cairo_t* context, const Polygon& polygon) {
    if (polygon.empty())
        return;
    cairo_move_to(context, polygon[0].X, polygon[0].Y);
    for (size_t i = 1; i < polygon.size(); ++i)
        cairo_line_to(context, polygon[i].X, polygon[i].Y);
    cairo_close_path(context);
}

}  // namespace art::race
