#pragma once
// Option pictures: the display-mode and on/off switches the options screen shows for the current
// settings, the frames of its two text fields, and the blinking text cursor.

#include "kit/ArtKit.h"

namespace menu {

enum class SwitchKind { Music, Sound };

// 230 x 32: "WINDOW | FULL SCREEN" with the current mode lit.
art::Surface DrawDisplayState(bool fullScreen);
// 120 x 32: the setting's icon and a toggle, lit when on.
art::Surface DrawSwitch(SwitchKind kind, bool on);
// A recessed field with a dark neutral interior, for blue text.
art::Surface DrawTextField(int width, int height);
// 3 x 24: a 24 px bar stands beside an 18 pt line of text.
art::Surface DrawTextCursor();

}  // namespace menu
