#pragma once
// Small pictures made in tests, on the headless surface.

#include <memory>
#include <string>

#include "engine/ImageItem.h"
#include "platform/Surface.h"

// A picture of width x height filled with one colour, with optional single pixels set.
platform::PixelImage SolidImage(int width, int height, uint32_t argb);

std::unique_ptr<TImageItem> MakeItem(platform::Surface& surface, const platform::PixelImage& image,
                                     int patternWidth = 0, int patternHeight = 0);
