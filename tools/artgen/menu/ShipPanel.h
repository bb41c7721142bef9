#pragma once
// The ship-selection panel (the hangar bay the ship hovers in, the four rating labels and the
// empty slots of the rating marks) and the mark itself.

#include "kit/ArtKit.h"

namespace menu {

// Rating marks on screen: row r (0..3) at y MarkRowY[r], mark k (0..7) at x 248 + 23 k.
constexpr int MarkRowY[4] = {391, 412, 434, 456};
constexpr int MarkLeft = 248;
constexpr int MarkPitch = 23;
constexpr int MarkWidth = 20;
constexpr int MarkHeight = 16;
constexpr int MostMarks = 8;  // the best rating, 11, shows 11 - 3 marks

// 450 x 330, placed at (0, 195).
art::Surface DrawShipPanel();
art::Surface DrawRatingMark();

}  // namespace menu
