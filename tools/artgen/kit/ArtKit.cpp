#include "kit/ArtKit.h"

#include <cmath>
#include <stdexcept>

namespace art {

Surface NewSurface(int width, int height) {
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a picture");
    return surface;
}

Context NewContext(const Surface& surface) {
    Context context(cairo_create(surface.get()));
    cairo_set_antialias(context.get(), CAIRO_ANTIALIAS_GOOD);
    return context;
}

ImageRecord MakeRecord(const std::string& name, const Surface& picture, int patternWidth,
                       int patternHeight, bool transparent) {
    ImageRecord record;
    record.Name = name;
    record.PatternWidth = patternWidth;
    record.PatternHeight = patternHeight;
    record.Transparent = transparent;
    record.TransparentColor = KeyColour;
    record.Png = EncodePng(picture.get());
    return record;
}

ImageRecord Placeholder(const std::string& name, int width, int height) {
    return MakeRecord(name, NewSurface(width, height), 0, 0, true);
}

uint32_t Random::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Random::Uniform(double low, double high) {
    return low + (high - low) * (Next() / 4294967296.0);
}

int Random::Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }

void SelectFace(cairo_t* context, Face face, double pixelSize, bool bold) {
    const char* family = "Nimbus Sans";
    switch (face) {
        case Face::NewZelek: family = "Nimbus Sans"; break;
        case Face::Crystal: family = "DSEG14 Classic"; break;
        case Face::BancoDi: family = "Nimbus Sans Narrow"; bold = true; break;
        case Face::Courier: family = "Nimbus Mono PS"; break;
    }
    cairo_select_font_face(context, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(context, pixelSize);
}

void SelectSlantedFace(cairo_t* context, Face face, double pixelSize, bool bold) {
    SelectFace(context, face, pixelSize, bold);
    cairo_font_face_t* upright = cairo_get_font_face(context);
    const std::string family = cairo_toy_font_face_get_family(upright);
    const cairo_font_weight_t weight = cairo_toy_font_face_get_weight(upright);
    cairo_select_font_face(context, family.c_str(), CAIRO_FONT_SLANT_ITALIC, weight);
    cairo_set_font_size(context, pixelSize);
}

double DrawCentredText(cairo_t* context, const std::string& text, double x, double y) {
    cairo_text_extents_t extents;
    cairo_text_extents(context, text.c_str(), &extents);
    cairo_move_to(context, x - extents.width / 2 - extents.x_bearing,
                  y - extents.height / 2 - extents.y_bearing);
    cairo_show_text(context, text.c_str());
    return extents.width;
}

void SetColour(cairo_t* context, uint32_t rgb, double alpha) {
    cairo_set_source_rgba(context, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                          (rgb & 0xFF) / 255.0, alpha);
}

void AddColourStop(cairo_pattern_t* gradient, double offset, uint32_t rgb, double alpha) {
    cairo_pattern_add_color_stop_rgba(gradient, offset, ((rgb >> 16) & 0xFF) / 255.0,
                                      ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, alpha);
}

void RoundedRectangle(cairo_t* context, double x, double y, double width, double height,
                      double radius) {
    const double r = std::min(radius, std::min(width, height) / 2);
    cairo_new_sub_path(context);
    cairo_arc(context, x + width - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(context, x + width - r, y + height - r, r, 0, M_PI / 2);
    cairo_arc(context, x + r, y + height - r, r, M_PI / 2, M_PI);
    cairo_arc(context, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(context);
}

}  // namespace art
