#pragma once
// The segment-display face lights "/" as two short diagonal segments that meet nowhere: at the
// HUD's sizes they read as an apostrophe ("LEVEL 1' 10"). Texts in that face get a slash of our
// own instead, one straight stroke over the digits' height, in the text's colour.

#include <cstdint>
#include <string>

#include "platform/Font.h"

struct _TTF_Font;

namespace platform {

// Whether texts in this family need their slashes redrawn.
bool DrawsBrokenSlash(const std::string& family);

// Replaces every "/" of text, rendered into image by font in colour 0xRRGGBB, with one
// anti-aliased stroke from the bottom left of its cell to the top right, as tall as a digit.
void RedrawSlashes(_TTF_Font* font, const std::string& text, uint32_t rgb, TextImage& image);

}  // namespace platform
