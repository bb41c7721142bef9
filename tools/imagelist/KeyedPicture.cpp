#include "KeyedPicture.h"

#include <algorithm>
#include <cstring>

namespace {

struct PngReader {
    const std::vector<uint8_t>* Bytes;
    size_t Position;
};

cairo_status_t ReadChunk(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<PngReader*>(closure);
    if (reader->Bytes->size() - reader->Position < length)
        return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->Bytes->data() + reader->Position, length);
    reader->Position += length;
    return CAIRO_STATUS_SUCCESS;
}

// Cairo keeps premultiplied pixels; an opaque key-coloured pixel is stored as the key itself.
void ClearKeyPixels(cairo_surface_t* surface, uint32_t key) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const uint32_t opaqueKey = 0xFF000000u | key;
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        std::replace(row, row + width, opaqueKey, 0u);
    }
    cairo_surface_mark_dirty(surface);
}

}  // namespace

CairoSurface DecodeKeyedPicture(const TImageListEntry& image) {
    PngReader reader{&image.Png, 0};
    CairoSurface decoded(cairo_image_surface_create_from_png_stream(ReadChunk, &reader));
    if (cairo_surface_status(decoded.get()) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    // Pictures without alpha come back as RGB24; drawing wants one format.
    const int width = cairo_image_surface_get_width(decoded.get());
    const int height = cairo_image_surface_get_height(decoded.get());
    CairoSurface picture(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_t* context = cairo_create(picture.get());
    cairo_set_source_surface(context, decoded.get(), 0, 0);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_paint(context);
    cairo_destroy(context);
    if (image.Transparent)
        ClearKeyPixels(picture.get(), image.TransparentColor & 0xFFFFFF);
    return picture;
}
