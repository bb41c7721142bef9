#include "engine/QuadTest.h"

#include <cmath>
#include <cstddef>

#include "engine/Rounding.h"

namespace {

constexpr int ArcCosSteps = 1000;  // entries 0..1000 cover cosines -1..1
constexpr double DegreesPerRadian = 57.295773195318426;
constexpr double InsideDegrees = 355;

const std::array<double, ArcCosSteps + 1>& ArcCosEntries() {
    static const std::array<double, ArcCosSteps + 1> entries = [] {
        std::array<double, ArcCosSteps + 1> table{};
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = std::acos(static_cast<double>(i) * 0.002 - 1);
        return table;
    }();
    return entries;
}

// The direction from the point to a corner, or none when the point lies on the corner.
struct TDirection {
    double X = 0;
    double Y = 0;
    bool Defined = false;
};

TDirection DirectionTo(double px, double py, double cornerX, double cornerY) {
    const double dx = cornerX - px;
    const double dy = cornerY - py;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0)
        return {};
    return {dx / length, dy / length, true};
}

double DegreesBetween(const TDirection& a, const TDirection& b) {
    if (!a.Defined || !b.Defined)
        return 0;
    return ArcCosTable(a.X * b.X + a.Y * b.Y) * DegreesPerRadian;
}

}  // namespace

double ArcCosTable(double x) {
    // Written so that NaN fails the test too.
    if (!(x >= -1 && x <= 1))
        return 0;
    return ArcCosEntries()[static_cast<size_t>(Round((x + 1) * (ArcCosSteps / 2)))];
}

bool PointInQuad(double px, double py, double x1, double y1, double x2, double y2, double x3,
                 double y3, double x4, double y4) {
    const TDirection u1 = DirectionTo(px, py, x1, y1);
    const TDirection u2 = DirectionTo(px, py, x2, y2);
    const TDirection u3 = DirectionTo(px, py, x3, y3);
    const TDirection u4 = DirectionTo(px, py, x4, y4);
    return DegreesBetween(u1, u2) + DegreesBetween(u2, u3) + DegreesBetween(u3, u4) +
               DegreesBetween(u4, u1) >=
           InsideDegrees;
}

bool PointInQuad(const TPointD& point, const TQuad& quad) {
    return PointInQuad(point.X, point.Y, quad[0].X, quad[0].Y, quad[1].X, quad[1].Y, quad[2].X,
                       quad[2].Y, quad[3].X, quad[3].Y);
}

bool QuadsOverlap(const TQuad& a, const TQuad& b) {
    for (const TPointD& corner : a)
        if (PointInQuad(corner, b))
            return true;
    for (const TPointD& corner : b)
        if (PointInQuad(corner, a))
            return true;
    return false;
}
