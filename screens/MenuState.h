#pragma once
// The menu selection shared by every screen and dialog: the buttons by item number, the items the
// current screen answers to, the highlighted one, and the main-menu button under the pointer.

#include <array>
#include <cstdint>
#include <initializer_list>

#include "screens/MenuButton.h"

struct TMenuState {
    // Items 1..6 are the main menu's buttons, 7 and up a sub-screen's, 11 and 12 a dialog's.
    std::array<TMenuButton*, 13> MenuButtons = {};
    int32_t MenuIndex = 0;  // the highlighted item; 0 none, and outside MenuStart..MenuEnd none
    int32_t MenuStart = 0;
    int32_t MenuEnd = 0;
    int32_t MainHover = 0;  // on a sub-screen, the main-menu button under the pointer (0 none)

    TMenuButton* Button(int32_t item) const {
        return item >= 1 && item < static_cast<int32_t>(MenuButtons.size()) ? MenuButtons[item]
                                                                            : nullptr;
    }

    // Gives the items MenuStart..MenuEnd their looks for MenuIndex, changing a look only when the
    // button's Highlighted changes. Returns true when a button was newly highlighted. With
    // withMainHover, MainHover becomes the first main-menu button under the pointer.
    bool UpdateHighlight(bool withMainHover, int32_t mouseX, int32_t mouseY);
    // Kills the buttons MenuStart..MenuEnd, when a screen is left.
    void KillMenuButtons();

    // A sub-screen's button: an image of list 1, pattern 1 in its normal look and 0 highlighted.
    struct TButtonPlace {
        int32_t Image, X, Y;
    };
    // Creates the sub-screen's buttons as items 7, 8, ... at Z z.
    void CreateSubScreenButtons(TGameServices& services, std::initializer_list<TButtonPlace> places,
                                int32_t z);
};
