#pragma once
// The program's message loop: window events between frames, a frame on every idle pass while the
// game is active, until the form ends.

#include "app/Zorvex_unit.h"

void RunMessageLoop(TMForm& form, platform::Backend& backend);

// One pass of that loop: the pending events, then a frame (or, while inactive, a wait for events).
// False once the form has ended. A browser calls it once per animation frame.
bool RunMessagePass(TMForm& form, platform::Backend& backend);
