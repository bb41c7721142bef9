#pragma once
// The race objects the help page explains (bonuses and asteroids): the race's own pictures, shown
// again at the sizes the help page leaves for them.

#include "ImageListWriter.h"
#include "kit/ArtKit.h"

namespace menu {

// The first pattern of a race image, scaled down (never up) to fit width x height and centred.
art::Surface HelpCopy(const ImageRecord& raceImage, int width, int height);

}  // namespace menu
