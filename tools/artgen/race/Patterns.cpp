#include "Patterns.h"

namespace art::race {

Surface DrawStrip(int width, int height, int count, const PatternPainter& paint) {
    Surface strip = NewSurface(width * count, height);
    Context stripContext = NewContext(strip);
    for (int index = 0; index < count; ++index) {
        Surface pattern = NewSurface(width, height);
        {
            Context context = NewContext(pattern);
            paint(context.get(), index);
        }
        cairo_set_source_surface(stripContext.get(), pattern.get(), width * index, 0);
        cairo_paint(stripContext.get());
    }
    return strip;
}

ImageRecord StripRecord(const std::string& name, int width, int height, int count,
                        const PatternPainter& paint, bool transparent) {
    Surface strip = DrawStrip(width, height, count, paint);
    if (transparent)
        KeepOffKeyColour(strip);
    return MakeRecord(name, strip, width, height, transparent);
}

ImageRecord PictureRecord(const std::string& name, const Surface& picture, bool transparent) {
    if (transparent)
        KeepOffKeyColour(picture);
    return MakeRecord(name, picture, cairo_image_surface_get_width(picture.get()),
                      cairo_image_surface_get_height(picture.get()), transparent);
}

}  // namespace art::race
