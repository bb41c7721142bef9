#pragma once
// Pattern strips: an animation or a set of pieces drawn one pattern at a time, side by side in
// one picture, as the image lists cut them (left to right, no gaps).

#include <cairo.h>

#include <functional>
#include <string>

#include "ImageListWriter.h"
#include "kit/ArtKit.h"

namespace art::race {

// Draws pattern `index` on a fresh transparent context of exactly one pattern's size.
using PatternPainter = std::function<void(cairo_t* context, int index)>;

// A picture of `count` patterns of width x height in one row.
Surface DrawStrip(int width, int height, int count, const PatternPainter& paint);

// The strip as a list record whose pattern size is width x height. Transparent records are
// checked so that no visible pixel lands on the key colour.
ImageRecord StripRecord(const std::string& name, int width, int height, int count,
                        const PatternPainter& paint, bool transparent = true);

// A one-pattern record of the whole picture.
ImageRecord PictureRecord(const std::string& name, const Surface& picture, bool transparent);

}  // namespace art::race
