#pragma once
// The browser drives the game: one pass of the game's loop per animation frame, because a page
// that never returns to the browser shows nothing and hears no keys.

#include <functional>

namespace platform::web {

// Calls pass once per animation frame until it returns false, then destroys it (and whatever it
// owns) and stops. Does not return to the caller: the browser's own loop runs the game from here.
void RunEachAnimationFrame(std::function<bool()> pass);

}  // namespace platform::web
