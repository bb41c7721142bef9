#pragma once
// The panels of the sub-screens and dialogs. Each carries only what every screen using it
// shares; the screens draw their own texts over them.

#include "kit/ArtKit.h"

namespace menu {

// Dialogs: 322 x 146 at (239, 227), under blue text.
art::Surface DrawDialogPanel();
// Options and help (both use it, so it has no labels): 450 x 330 at (0, 195).
art::Surface DrawSharedPanel();
// High-score table: 426 x 286 at (13, 189), ten rows of 26 px under a header row; it ends at
// y 474 on screen, above the two buttons it is drawn over.
art::Surface DrawHighScorePanel();

}  // namespace menu
