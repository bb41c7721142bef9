#pragma once
// Screen titles (help, ship selection, options, high scores): a chrome caption over an amber
// underline, right-aligned so that every title ends at the same place on screen.

#include <string>

#include "kit/ArtKit.h"

namespace menu {

constexpr int TitleHeight = 76;

art::Surface DrawTitle(const std::string& caption, int width);

}  // namespace menu
