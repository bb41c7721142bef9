#pragma once
// zorvex --replay FILE: shows a recorded game in the window as it was played, with its HUD,
// sounds and music. P pauses, F doubles the speed (and F again undoes it), Esc leaves.

#include <string>

#include "platform/Backend.h"

// The exit status: 0 once the game has been shown to its end or left, 1 when the file cannot be
// read or is not a replay this version plays (a message box says why).
int WatchReplay(platform::Backend& backend, const std::string& path);
