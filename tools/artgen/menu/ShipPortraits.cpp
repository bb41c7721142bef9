#include "menu/ShipPortraits.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "race/ShipDesigns.h"

namespace menu {

namespace {

using art::race::PartFinish;
using art::race::ShipDesign;
using art::race::ShipPart;

// The three-quarter view as an affine map from race-picture pixels (x right, y down, nose at the
// top) and height above the wing plane to portrait pixels: the nose points right and a little
// up, the ship's right side comes towards the viewer, height goes straight up.
constexpr double AlongX = 0.985;  // screen direction of "towards the nose", per pixel
constexpr double AlongY = -0.17;
constexpr double AcrossX = 0.32;  // screen direction of "towards the ship's right", per pixel
constexpr double AcrossY = 0.45;
// The soft shadow lies this far below the wing plane (race pixels) and is smeared over a disc of
// ShadowBlur portrait pixels.
constexpr double ShadowDrop = 7;
constexpr double ShadowBlur = 3;

class View {
public:
    // base: the context's matrix when the ship is drawn, so that callers may move or turn it.
    View(const ShipDesign& ship, double scale, double originX, double originY,
         const cairo_matrix_t& base)
        : centreX_(ship.Width / 2.0),
          centreY_(ship.Height / 2.0),
          scale_(scale),
          originX_(originX),
          originY_(originY),
          base_(base) {}

    // Where a race-picture pixel at the given height lands, in the caller's coordinates.
    void Project(double x, double y, double height, double& outX, double& outY) const {
        const double across = (x - centreX_) * scale_;
        const double towardsTail = (y - centreY_) * scale_;
        outX = originX_ + AcrossX * across - AlongX * towardsTail;
        outY = originY_ + AcrossY * across - AlongY * towardsTail - height * scale_;
    }

    // Sets the context's matrix so that race-picture pixels at the given height land in place.
    void Enter(cairo_t* context, double height) const {
        double x0, y0;
        Project(0, 0, height, x0, y0);
        cairo_matrix_t map;
        cairo_matrix_init(&map, AcrossX * scale_, AcrossY * scale_, -AlongX * scale_,
                          -AlongY * scale_, x0, y0);
        cairo_set_matrix(context, &base_);
        cairo_transform(context, &map);
    }

    double Pixels(double racePixels) const { return racePixels * scale_; }

private:
    double centreX_, centreY_, scale_, originX_, originY_;
    cairo_matrix_t base_;
};

// How far below its top a part's side wall reaches, race pixels: plates are thin, hulls
// rounded bodies that go down to the wing plane, lights and seams are flat.
double WallDepth(const ShipPart& part) {
    switch (part.Finish) {
        case PartFinish::Paint:
            return 1.0;
        case PartFinish::Hull:
            return std::max(1.0, part.Height * 0.8);
        case PartFinish::Glass:
            return 1.5;
        case PartFinish::Light:
        case PartFinish::Seam:
            return 0;
    }
    return 0;
}

bool CastsShadow(const ShipPart& part) {
    return part.Finish != PartFinish::Seam && part.Finish != PartFinish::Light;
}

// The glow round a self-lit part (nozzles, wing lights): its centre, and a radius of a few times
// the light's own size, race pixels.
struct Halo {
    double X = 0, Y = 0, Radius = 0;
};

Halo HaloOf(const ShipDesign& ship, const ShipPart& part) {
    Halo halo;
    for (const auto& point : part.Points) {
        halo.X += (point.X + ship.Width / 2.0) / part.Points.size();
        halo.Y += point.Y / part.Points.size();
    }
    for (const auto& point : part.Points)
        halo.Radius = std::max(
            halo.Radius, 3.2 * std::hypot(point.X + ship.Width / 2.0 - halo.X, point.Y - halo.Y));
    return halo;
}

// A box round the ship, relative to the view's origin, pixels.
struct Ink {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
    double Width() const { return Right - Left; }
    double Height() const { return Bottom - Top; }
};

// Extent of the ship's plan at scale 1: every part from the bottom of its wall to its top, its
// shadow on the floor and the glow of its lights.
Ink PlanExtent(const ShipDesign& ship) {
    double left = std::numeric_limits<double>::max(), top = left;
    double right = -left, bottom = -left;
    cairo_matrix_t identity;
    cairo_matrix_init_identity(&identity);
    const View view(ship, 1, 0, 0, identity);
    auto include = [&](double x, double y, double reach) {
        left = std::min(left, x - reach);
        right = std::max(right, x + reach);
        top = std::min(top, y - reach);
        bottom = std::max(bottom, y + reach);
    };
    for (const ShipPart& part : ship.Parts) {
        std::vector<double> heights = {part.Height - WallDepth(part), part.Height};
        if (CastsShadow(part))
            heights.push_back(-ShadowDrop);
        for (const auto& point : part.Points)
            for (double height : heights) {
                double x, y;
                view.Project(point.X + ship.Width / 2.0, point.Y, height, x, y);
                include(x, y, 0);
            }
        if (part.Finish == PartFinish::Light) {
            const Halo halo = HaloOf(ship, part);
            double x, y;
            view.Project(halo.X, halo.Y, part.Height, x, y);
            include(x, y, halo.Radius);
        }
    }
    return {left, top, right, bottom};
}

// Parts nearer the viewer (higher, or further to the ship's right) are painted later.
std::vector<ShipPart> PaintingOrder(const ShipDesign& ship) {
    std::vector<ShipPart> parts = ship.Parts;
    auto nearness = [](const ShipPart& part) {
        double across = 0;
        for (const auto& point : part.Points)
            across += point.X / part.Points.size();
        return part.Height + 0.2 * across;
    };
    std::stable_sort(parts.begin(), parts.end(), [&](const ShipPart& a, const ShipPart& b) {
        return nearness(a) < nearness(b);
    });
    return parts;
}

// The part drawn as the race draws it, as a mask: its silhouette for walls and shadows.
cairo_pattern_t* PartMask(cairo_t* context, const ShipDesign& ship, const ShipPart& part,
                          const View& view, double height) {
    cairo_push_group(context);
    cairo_save(context);
    view.Enter(context, height);
    art::race::PaintShip(context, {ship.Width, ship.Height, {part}}, 0);
    cairo_restore(context);
    return cairo_pop_group(context);
}

void PaintWall(cairo_t* context, const ShipDesign& ship, const ShipPart& part, const View& view) {
    const double depth = WallDepth(part);
    if (depth <= 0)
        return;
    cairo_pattern_t* mask = PartMask(context, ship, part, view, 0);
    // One layer per half portrait pixel, darkest at the bottom.
    const int layers = std::max(1, static_cast<int>(view.Pixels(depth) * 2));
    for (int layer = 0; layer < layers; ++layer) {
        const double share = static_cast<double>(layer) / layers;
        const double height = part.Height - depth * (1.0 - share);
        const double shade = 0.3 + 0.3 * share;
        cairo_set_source_rgb(context, part.Colour.R * shade, part.Colour.G * shade,
                             part.Colour.B * shade);
        cairo_save(context);
        cairo_translate(context, 0, -view.Pixels(height));
        cairo_mask(context, mask);
        cairo_restore(context);
    }
    cairo_pattern_destroy(mask);
}

void PaintShadow(cairo_t* context, const ShipDesign& ship, const View& view) {
    for (const ShipPart& part : ship.Parts) {
        if (part.Finish == PartFinish::Seam || part.Finish == PartFinish::Light)
            continue;
        cairo_pattern_t* mask = PartMask(context, ship, part, view, 0);
        // A soft shadow on the floor well below the ship: the mask smeared in a small disc.
        for (int step = 0; step < 8; ++step) {
            const double angle = step * M_PI / 4;
            cairo_save(context);
            cairo_translate(context, ShadowBlur * std::cos(angle),
                            view.Pixels(ShadowDrop) + ShadowBlur * std::sin(angle));
            cairo_set_source_rgba(context, 0, 0, 0, 0.09);
            cairo_mask(context, mask);
            cairo_restore(context);
        }
        cairo_pattern_destroy(mask);
    }
}

// Lights glow in their own colour.
void PaintGlows(cairo_t* context, const ShipDesign& ship, const View& view) {
    for (const ShipPart& part : ship.Parts) {
        if (part.Finish != PartFinish::Light)
            continue;
        const Halo halo = HaloOf(ship, part);
        double cx, cy;
        view.Project(halo.X, halo.Y, part.Height, cx, cy);
        const double radius = view.Pixels(halo.Radius);
        cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
        cairo_pattern_add_color_stop_rgba(glow, 0, part.Colour.R, part.Colour.G, part.Colour.B,
                                          0.8);
        cairo_pattern_add_color_stop_rgba(glow, 1, part.Colour.R, part.Colour.G, part.Colour.B, 0);
        cairo_set_source(context, glow);
        cairo_arc(context, cx, cy, radius, 0, 2 * M_PI);
        cairo_fill(context);
        cairo_pattern_destroy(glow);
    }
}

void PaintWholeShip(cairo_t* context, const ShipDesign& design, const View& view) {
    cairo_save(context);
    PaintShadow(context, design, view);
    for (const ShipPart& part : PaintingOrder(design)) {
        PaintWall(context, design, part, view);
        cairo_save(context);
        view.Enter(context, part.Height);
        art::race::PaintShip(context, {design.Width, design.Height, {part}}, 0);
        cairo_restore(context);
    }
    PaintGlows(context, design, view);
    cairo_restore(context);
}

// Draws the ship aside at the given scale, origin (0, 0), and finds its pixels. planned is the
// plan's extent at scale 1; the drawing may spill a little beyond it.
Ink MeasureInk(const ShipDesign& design, double scale, const Ink& planned) {
    const double spill = 40;  // pixels
    const int width = static_cast<int>(std::ceil(planned.Width() * scale + 2 * spill));
    const int height = static_cast<int>(std::ceil(planned.Height() * scale + 2 * spill));
    const double originX = spill - planned.Left * scale;
    const double originY = spill - planned.Top * scale;
    art::Surface scratch = art::NewSurface(width, height);
    art::Context context = art::NewContext(scratch);
    cairo_matrix_t identity;
    cairo_matrix_init_identity(&identity);
    PaintWholeShip(context.get(), design, View(design, scale, originX, originY, identity));
    cairo_surface_flush(scratch.get());
    const unsigned char* data = cairo_image_surface_get_data(scratch.get());
    const int stride = cairo_image_surface_get_stride(scratch.get());
    int left = width, top = height, right = 0, bottom = 0;
    for (int row = 0; row < height; ++row) {
        const auto* pixels =
            reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(row) * stride);
        for (int column = 0; column < width; ++column) {
            if ((pixels[column] >> 24) == 0)
                continue;
            left = std::min(left, column);
            right = std::max(right, column + 1);
            top = std::min(top, row);
            bottom = std::max(bottom, row + 1);
        }
    }
    return {left - originX, top - originY, right - originX, bottom - originY};
}

}  // namespace

void DrawShipInBox(cairo_t* context, int ship, double x, double y, double width, double height) {
    const ShipDesign design = art::race::ShipDesignOf(ship);
    // The plan's extent gives a first fit; curves, shadow blur and glows make the drawn ship a
    // little larger, so it is drawn once aside and measured, then fitted exactly.
    const Ink planned = PlanExtent(design);
    const double guess = std::min(width / planned.Width(), height / planned.Height());
    const Ink ink = MeasureInk(design, guess, planned);
    const double scale = guess * std::min(width / ink.Width(), height / ink.Height());
    const double shrink = scale / guess;
    cairo_matrix_t base;
    cairo_get_matrix(context, &base);
    const View view(design, scale, x + width / 2 - (ink.Left + ink.Right) / 2 * shrink,
                    y + height / 2 - (ink.Top + ink.Bottom) / 2 * shrink, base);
    PaintWholeShip(context, design, view);
}

art::Surface DrawShipPortrait(int ship) {
    art::Surface picture = art::NewSurface(PortraitWidth, PortraitHeight);
    art::Context context = art::NewContext(picture);
    // One pixel of margin: the ship is measured to whole pixels.
    DrawShipInBox(context.get(), ship, 1, 1, PortraitWidth - 2, PortraitHeight - 2);
    return picture;
}

}  // namespace menu
