#include "screens/MenuState.h"

bool TMenuState::UpdateHighlight(bool withMainHover, int32_t mouseX, int32_t mouseY) {
    for (int32_t item = MenuStart; item <= MenuEnd; ++item) {
        TMenuButton* button = Button(item);
        if (item == MenuIndex || !button)
            continue;
        button->NormalLook();
        button->Highlighted = false;
    }
    bool newlyHighlighted = false;
    TMenuButton* current = MenuIndex != 0 && MenuIndex >= MenuStart && MenuIndex <= MenuEnd
                               ? Button(MenuIndex)
                               : nullptr;
    if (current && !current->Highlighted) {
        current->HighlightLook();
        current->Highlighted = true;
        newlyHighlighted = true;
    }
    MainHover = 0;
    if (withMainHover) {
        for (int32_t item = 1; item <= 6; ++item) {
            if (Button(item) && Button(item)->Hit(mouseX, mouseY)) {
                MainHover = item;
                break;
            }
        }
    }
    return newlyHighlighted;
}

void TMenuState::KillMenuButtons() {
    for (int32_t item = MenuStart; item <= MenuEnd; ++item)
        if (TMenuButton* button = Button(item))
            button->KillOnce();
}

void TMenuState::CreateSubScreenButtons(TGameServices& services,
                                        std::initializer_list<TButtonPlace> places, int32_t z) {
    int32_t item = 7;
    for (const TButtonPlace& place : places) {
        auto* button =
            NewSprite<TMenuButton>(services, 1, place.Y, place.X, 1, 0, place.Image, place.Image);
        button->SetZ(z);
        MenuButtons[item++] = button;
    }
}
