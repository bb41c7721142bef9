#pragma once
// The game's two songs, composed here as XM modules. Each plays a short intro once and then
// loops through the module's restart position for as long as the screen stays.

#include "xm/XmModule.h"

namespace music {

// The menus: calm and spacious, D major at 80 beats a minute, looping every 96 s.
xm::Module ComposeMenuSong();

// The race: driving, A minor at 140 beats a minute, looping every 2 minutes 3 s.
xm::Module ComposeRaceSong();

}  // namespace music
