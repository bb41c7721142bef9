#pragma once
// The arrow keys of a screen with a previous (item 7) and a next (item 8) button, as ship
// selection and the help pages have them.

#include "screens/ScreenHost.h"

// Left on 7 activates it, on 8 moves to 7; Right on 8 activates it, on 7 moves to 8. Each step
// sees the highlight as the one before it left it, so Left then Right in one frame moves from 8
// to 7 and back to 8.
void PreviousNextKeys(TScreenContext& context);
