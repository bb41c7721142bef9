#include "menu/HelpObjects.h"

#include <algorithm>

namespace menu {

art::Surface HelpCopy(const ImageRecord& raceImage, int width, int height) {
    const art::Surface original = art::CutPattern(raceImage, 0);
    const int originalWidth = cairo_image_surface_get_width(original.get());
    const int originalHeight = cairo_image_surface_get_height(original.get());
    const double scale = std::min({1.0, static_cast<double>(width) / originalWidth,
                                   static_cast<double>(height) / originalHeight});
    art::Surface copy = art::NewSurface(width, height);
    art::Context context = art::NewContext(copy);
    cairo_translate(context.get(), (width - originalWidth * scale) / 2,
                    (height - originalHeight * scale) / 2);
    cairo_scale(context.get(), scale, scale);
    cairo_set_source_surface(context.get(), original.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(context.get()), CAIRO_FILTER_BEST);
    cairo_paint(context.get());
    // The race pictures are drawn by other code: make sure the copy keeps to the key rule.
    art::KeepOffKeyColour(copy);
    return copy;
}

}  // namespace menu
