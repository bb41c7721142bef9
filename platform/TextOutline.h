#pragma once
// A thin dark outline round rendered text, as arcade captions use to stay readable over any
// background (a chequered line, a ship, an explosion) without a box behind them.

#include "platform/Font.h"

namespace platform {

// Pixels the outline adds on every side of the picture; the line's top moves down by as much.
inline constexpr int OutlineWidth = 1;

// The text over a near-black copy of itself grown by OutlineWidth pixels each way, both
// anti-aliased: a picture 2 OutlineWidth wider and taller, straight alpha.
TextImage WithDarkOutline(const TextImage& text);

}  // namespace platform
