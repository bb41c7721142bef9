#include "ShipModel.h"

#include <algorithm>
#include <cmath>

namespace art::race {

namespace {

constexpr double CameraDistance = 220;  // pixels: sets how much nearer parts grow when rolled

// Light from the upper left and in front of the screen.
double Brightness(double facing) {
    const double lx = -0.5, lz = 0.79;  // the light direction's x and z (normalised with y -0.35)
    const double lit = std::max(0.0, std::sin(facing) * lx + std::cos(facing) * lz);
    return 0.5 + 0.64 * lit;
}

class Roller {
public:
    Roller(const ShipDesign& design, double roll)
        : centreX_(design.Width / 2.0), centreY_(design.Height / 2.0), roll_(roll) {}

    Vec2 Project(Vec2 p, double height) const {
        const double x = p.X * std::cos(roll_) - height * std::sin(roll_);
        const double depth = p.X * std::sin(roll_) + height * std::cos(roll_);
        const double scale = CameraDistance / (CameraDistance - depth);
        return {centreX_ + x * scale, centreY_ + (p.Y - centreY_) * scale};
    }

    double Roll() const { return roll_; }

private:
    double centreX_, centreY_, roll_;
};

void OutlinePath(cairo_t* context, const Polygon& points, bool smooth, bool closed) {
    if (points.empty())
        return;
    if (!smooth || points.size() < 3) {
        cairo_move_to(context, points[0].X, points[0].Y);
        for (size_t i = 1; i < points.size(); ++i)
            cairo_line_to(context, points[i].X, points[i].Y);
        if (closed)
            cairo_close_path(context);
        return;
    }
    // Catmull-Rom through the points, as cubic curves.
    const size_t n = points.size();
    auto at = [&](long i) { return points[static_cast<size_t>((i + static_cast<long>(n)) % n)]; };
    cairo_move_to(context, points[0].X, points[0].Y);
    const size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const long k = static_cast<long>(i);
        const Vec2 p0 = (!closed && i == 0) ? at(k) : at(k - 1);
        const Vec2 p1 = at(k), p2 = at(k + 1);
        const Vec2 p3 = (!closed && i + 2 >= n) ? p2 : at(k + 2);
        const Vec2 c1 = p1 + (p2 - p0) * (1.0 / 6), c2 = p2 - (p3 - p1) * (1.0 / 6);
        cairo_curve_to(context, c1.X, c1.Y, c2.X, c2.Y, p2.X, p2.Y);
    }
    if (closed)
        cairo_close_path(context);
}

void SetRgba(cairo_t* context, const Rgba& c) {
    cairo_set_source_rgba(context, c.R, c.G, c.B, c.A);
}

void AddStop(cairo_pattern_t* gradient, double offset, const Rgba& c) {
    cairo_pattern_add_color_stop_rgba(gradient, offset, c.R, c.G, c.B, c.A);
}

// A gradient across the projected part that lights it as a cylinder turned by the roll.
cairo_pattern_t* CylinderShading(const ShipPart& part, const Polygon& projected, double roll,
                                 bool glass) {
    double left = 1e9, right = -1e9;
    for (Vec2 p : projected) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
    }
    cairo_pattern_t* gradient = cairo_pattern_create_linear(left, 0, right, 0);
    constexpr int stops = 9;
    for (int i = 0; i < stops; ++i) {
        const double u = i / double(stops - 1) * 2 - 1;  // -1 left edge .. +1 right edge
        const double facing = u * 1.15 + part.Tilt - roll;
        double k = Brightness(facing);
        if (glass)
            k = 0.25 + 0.9 * std::pow(std::max(0.0, k - 0.3), 1.6);
        AddStop(gradient, (u + 1) / 2, Shade(part.Colour, k));
    }
    return gradient;
}

void PaintPart(cairo_t* context, const ShipPart& part, const Roller& roller) {
    Polygon projected;
    projected.reserve(part.Points.size());
    for (Vec2 p : part.Points)
        projected.push_back(roller.Project(p, part.Height));
    const bool closed = part.Finish != PartFinish::Seam;
    OutlinePath(context, projected, part.Smooth, closed);
    switch (part.Finish) {
        case PartFinish::Paint: {
            const double k = Brightness(part.Tilt - roller.Roll());
            SetRgba(context, Shade(part.Colour, k));
            cairo_fill_preserve(context);
            SetRgba(context, Shade(part.Colour, 0.45 * k));
            cairo_set_line_width(context, 0.8);
            cairo_stroke(context);
            break;
        }
        case PartFinish::Hull:
        case PartFinish::Glass: {
            const bool glass = part.Finish == PartFinish::Glass;
            cairo_pattern_t* shading = CylinderShading(part, projected, roller.Roll(), glass);
            cairo_set_source(context, shading);
            cairo_fill_preserve(context);
            cairo_pattern_destroy(shading);
            SetRgba(context, Shade(part.Colour, glass ? 0.25 : 0.4));
            cairo_set_line_width(context, 0.8);
            cairo_stroke(context);
            if (glass) {
                // The canopy's reflection, toward the light.
                Vec2 top = projected[0], bottom = projected[0];
                for (Vec2 p : projected) {
                    if (p.Y < top.Y)
                        top = p;
                    if (p.Y > bottom.Y)
                        bottom = p;
                }
                const double length = bottom.Y - top.Y;
                cairo_save(context);
                OutlinePath(context, projected, part.Smooth, true);
                cairo_clip(context);
                cairo_translate(context, top.X - 1.2 - 2.5 * std::sin(roller.Roll()),
                                top.Y + length * 0.38);
                cairo_scale(context, 1.3, length * 0.26);
                cairo_arc(context, 0, 0, 1, 0, 2 * M_PI);
                cairo_set_source_rgba(context, 1, 1, 1, 0.55);
                cairo_fill(context);
                cairo_restore(context);
            }
            break;
        }
        case PartFinish::Light: {
            SetRgba(context, part.Colour);
            cairo_fill(context);
            break;
        }
        case PartFinish::Seam: {
            SetRgba(context, part.Colour);
            cairo_set_line_width(context, 0.7);
            cairo_stroke(context);
            break;
        }
    }
}

}  // namespace

void PaintShip(cairo_t* context, const ShipDesign& design, double roll) {
    const Roller roller(design, roll);
    cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
    for (const ShipPart& part : design.Parts)
        PaintPart(context, part, roller);
}

Polygon MirroredOutline(const Polygon& rightHalf) {
    Polygon outline = rightHalf;
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
        if (it->X != 0)
            outline.push_back({-it->X, it->Y});
    return outline;
}

ShipPart MirroredPart(const ShipPart& part) {
    ShipPart twin = part;
    for (Vec2& p : twin.Points)
        p.X = -p.X;
    twin.Tilt = -part.Tilt;
    return twin;
}

}  // namespace art::race
