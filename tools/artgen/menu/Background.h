#pragma once
// The 800 x 600 picture behind every menu: deep space, a planet's rim, the racing lanes, a ship
// at full speed and the game's logo in the corner that no screen ever covers.

#include "kit/ArtKit.h"

namespace menu {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

art::Surface DrawMenuBackground();

}  // namespace menu
