#include "harness/ImageListTestFiles.h"

#include <cairo.h>

std::vector<uint8_t> SolidPng(int width, int height, uint32_t argb) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* context = cairo_create(surface);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(context, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                          (argb & 0xFF) / 255.0, (argb >> 24) / 255.0);
    cairo_paint(context);
    cairo_destroy(context);
    std::vector<uint8_t> png = EncodePng(surface);
    cairo_surface_destroy(surface);
    return png;
}

ImageRecord SolidRecord(int width, int height, uint32_t argb, int patternWidth, int patternHeight) {
    ImageRecord record;
    record.Name = "solid";
    record.PatternWidth = patternWidth;
    record.PatternHeight = patternHeight;
    record.Png = SolidPng(width, height, argb);
    return record;
}

std::string Serialized(const std::vector<ImageRecord>& records) {
    const std::vector<uint8_t> bytes = SerializeImageList(records);
    return std::string(bytes.begin(), bytes.end());
}
