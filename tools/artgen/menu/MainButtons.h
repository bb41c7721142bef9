#pragma once
// The six buttons of the main-menu column, each in its normal and its highlighted look.

#include "kit/ArtKit.h"
#include "menu/Plates.h"

namespace menu {

// Picture size of every main-menu button, pixels: the column starts at x 452 and the closest two
// buttons are 70 px apart, so each fits 320 x 64 with room for the highlight's glow.
constexpr int MainButtonWidth = 320;
constexpr int MainButtonHeight = 64;
constexpr int MainButtonCount = 6;

// item: 0 (start) .. 5 (exit), top to bottom.
art::Surface DrawMainButton(int item, Look look);

}  // namespace menu
