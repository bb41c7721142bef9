// The mouse on the menus: hovering highlights a button, a click carries it out.

#include "app/Zorvex_unit.h"

void TMForm::HoverTest(bool keepWhenOutside) {
    if (!keepWhenOutside)
        Menu.MenuIndex = 0;
    for (int32_t item = Menu.MenuStart; item <= Menu.MenuEnd; ++item) {
        const TMenuButton* button = Menu.Button(item);
        if (button && button->Hit(Input.MouseX, Input.MouseY)) {
            Menu.MenuIndex = item;
            return;
        }
    }
}

// On the main menu the last highlighted button stays highlighted when the pointer leaves it;
// elsewhere the highlight goes.
void TMForm::MDXDrawMouseMove(uint8_t /*shift*/, int32_t x, int32_t y) {
    Input.MouseX = x;
    Input.MouseY = y;
    const int32_t previous = Menu.MenuIndex;
    HoverTest(ScreenKind == skMainMenu);
    const bool intro = ScreenKind == skMainMenu && MainMenu.IntroRunning();
    if (Menu.MenuIndex != previous && Menu.MenuIndex > 0 && !intro)
        MDXWaveList.PlaySound(SoundHighlightTick);
}

void TMForm::MDXDrawClick() {
    ActivateMenuItem();
}
