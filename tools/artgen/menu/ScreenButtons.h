#pragma once
// Buttons of the sub-screens and dialogs (Yes/No, ship, page and table buttons): one picture
// holding both looks side by side, pattern 0 highlighted and pattern 1 normal.

#include <string>

#include "kit/ArtKit.h"

namespace menu {

enum class Arrow { None, Left, Right };

struct ButtonFace {
    std::string Caption;  // may be empty for arrow-only buttons
    Arrow Direction = Arrow::None;
};

// A 2 * width x height strip: the highlighted look in the left half, the normal look in the
// right half.
art::Surface DrawTwoLookStrip(const ButtonFace& face, int width, int height);

}  // namespace menu
