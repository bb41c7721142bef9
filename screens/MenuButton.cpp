#include "screens/MenuButton.h"

TMenuButton::TMenuButton(TGameServices& services, uint8_t imageList, double y, double x,
                         int32_t normalPattern, int32_t highPattern, int32_t normalImage,
                         int32_t highImage)
    : TMyImageSprite(services, imageList),
      HighImage(highImage),
      NormalImage(normalImage),
      HighPattern(highPattern),
      NormalPattern(normalPattern) {
    SelectImage(normalImage);
    FramePos = normalPattern;
    X = x;
    Y = y;
    SetZ(4);
    NormalZ = Z();
    HighZ = Z() + 1;
}

void TMenuButton::NormalLook() {
    if (DialogZ)
        SetZ(15);
    SelectImage(NormalImage);
    FramePos = NormalPattern;
    if (RaiseOnHighlight)
        SetZ(NormalZ);
}

void TMenuButton::HighlightLook() {
    if (DialogZ)
        SetZ(17);
    SelectImage(HighImage);
    FramePos = HighPattern;
    if (RaiseOnHighlight)
        SetZ(HighZ);
}

bool TMenuButton::Hit(int32_t x, int32_t y) const {
    const double w = HitWidth >= 0 ? HitWidth : Width;
    const double h = HitHeight >= 0 ? HitHeight : Height;
    return X <= x && x <= X + w && Y <= y && y <= Y + h;
}
