#include "kit/ArtKit.h"

#include <algorithm>
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

namespace {

struct PngSource {
    const std::vector<uint8_t>* Bytes;
    size_t Position;
};

cairo_status_t ReadPngChunk(void* closure, unsigned char* data, unsigned int length) {
    auto* source = static_cast<PngSource*>(closure);
    if (source->Bytes->size() - source->Position < length)
        return CAIRO_STATUS_READ_ERROR;
    std::copy_n(source->Bytes->begin() + static_cast<std::ptrdiff_t>(source->Position), length,
                data);
    source->Position += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

Surface CutPattern(const ImageRecord& record, int pattern) {
    PngSource source{&record.Png, 0};
    Surface whole(cairo_image_surface_create_from_png_stream(ReadPngChunk, &source));
    if (cairo_surface_status(whole.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read the picture of " + record.Name);
    const int width = cairo_image_surface_get_width(whole.get());
    const int height = cairo_image_surface_get_height(whole.get());
    const int patternWidth = record.PatternWidth > 0 ? record.PatternWidth : width;
    const int patternHeight = record.PatternHeight > 0 ? record.PatternHeight : height;
    const int columns = std::max(1, (width + record.SkipWidth) / (patternWidth + record.SkipWidth));
    const int left = (pattern % columns) * (patternWidth + record.SkipWidth);
    const int top = (pattern / columns) * (patternHeight + record.SkipHeight);
    if (pattern < 0 || left + patternWidth > width || top + patternHeight > height)
        throw std::runtime_error(record.Name + " has no pattern " + std::to_string(pattern));
    Surface cut = NewSurface(patternWidth, patternHeight);
    Context context = NewContext(cut);
    cairo_set_source_surface(context.get(), whole.get(), -left, -top);
    cairo_paint(context.get());
    return cut;
}

void KeepOffKeyColour(const Surface& picture) {
    cairo_surface_t* surface = picture.get();
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = row[x];
            const uint32_t alpha = pixel >> 24;
            if (alpha == 0)
                continue;
            // Cairo stores premultiplied colour; compare the colour the PNG will hold.
            auto straight = [&](int shift) { return ((pixel >> shift) & 0xFF) * 255 / alpha; };
            const bool red = (straight(16) & 0xF8) == (((KeyColour >> 16) & 0xFF) & 0xF8);
            const bool green = (straight(8) & 0xFC) == (((KeyColour >> 8) & 0xFF) & 0xFC);
            const bool blue = (straight(0) & 0xF8) == ((KeyColour & 0xFF) & 0xF8);
            if (!(red && green && blue))
                continue;
            // The smallest premultiplied green that reads back as at least 4.
            const uint32_t lifted = (4 * alpha + 254) / 255;
            row[x] = (pixel & 0xFFFF00FFu) | (std::max((pixel >> 8) & 0xFF, lifted) << 8);
        }
    }
    cairo_surface_mark_dirty(surface);
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
