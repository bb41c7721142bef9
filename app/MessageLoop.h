#pragma once
// The program's message loop: window events between frames, a frame on every idle pass while the
// game is active, until the form ends.

#include "app/Zorvex_unit.h"

void RunMessageLoop(TMForm& form, platform::Backend& backend);
