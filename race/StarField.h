#pragma once
// The star field behind the track: one tile repeated over the whole screen. The track moves it.

#include "engine/BackgroundSprite.h"
#include "engine/GameServices.h"

// A child of the engine root at (0, 0), Z 1, wrapping around, showing image 58 of list 2.
TBackgroundSprite* CreateStarField(TGameServices& services);
