#include "screens/MainMenu.h"

#include <array>

#include "race/ScrollBackground.h"

namespace {

struct TMainItem {
    int32_t Y;
    int32_t NormalImage;
    int32_t HighImage;
};

// Items 1..6: ship selection, help, options, high scores, home page, exit.
constexpr std::array<TMainItem, 6> MainItems = {{
    {132, 2, 8},
    {208, 3, 9},
    {283, 4, 10},
    {357, 5, 11},
    {427, 6, 12},
    {504, 7, 13},
}};
constexpr int32_t MainItemX = 452;
constexpr int32_t IntroAlphaStep = 10;
constexpr int32_t IntroOpaqueAlpha = 150;
constexpr int SoundIntroWhoosh = 0;

}  // namespace

void TMainMenu::EnterMainMenu(int32_t introFlag, int32_t index, bool fresh) {
    TMenuState& menu = context_.Menu;
    context_.ScreenKind = skMainMenu;
    if (fresh)
        context_.Host.PlayScreenMusic();
    context_.Host.ShowPointer();
    menu.MenuStart = 1;
    menu.MenuEnd = 6;
    menu.MenuIndex = index;
    introRunning_ = introFlag;
    // Coming back from a sub-screen the old background is still there: one is enough, and a
    // forgotten one would lie over the race's track.
    KillBackground();
    background_ = NewSprite<TScrollBackground>(context_.Services, 1, 1, 1, 1);
    if (fresh) {
        for (int32_t item = 1; item <= 6; ++item) {
            const TMainItem& look = MainItems[item - 1];
            auto* button = NewSprite<TMenuButton>(context_.Services, 1, look.Y, MainItemX, 0, 0,
                                                  look.NormalImage, look.HighImage);
            button->RaiseOnHighlight = true;
            menu.MenuButtons[item] = button;
        }
    }
    for (int32_t item = 1; item <= 6; ++item) {
        TMenuButton* button = menu.Button(item);
        if (!button)
            continue;
        button->AlphaOn = introRunning_ == 1;
        button->Alpha = introRunning_ == 1 ? 0 : 255;
    }
    if (introRunning_ == 1)
        context_.Sounds.PlaySound(SoundIntroWhoosh);
}

void TMainMenu::Frame() {
    if (introRunning_) {
        IntroStep();
        return;
    }
    TMenuState& menu = context_.Menu;
    const TInputState& input = context_.Input;
    menu.UpdateHighlight(false, input.MouseX, input.MouseY);
    if (menu.MenuIndex >= 1 && menu.MenuIndex <= 6) {
        if (input.Up.Pressed)
            menu.MenuIndex = menu.MenuIndex == 1 ? 6 : menu.MenuIndex - 1;
        if (input.Down.Pressed)
            menu.MenuIndex = menu.MenuIndex == 6 ? 1 : menu.MenuIndex + 1;
    } else if (input.AnyArrowPressed()) {
        menu.MenuIndex = 1;
    }
    if (input.Esc.Pressed)
        context_.Host.OpenDialog(dkExitGame);
}

// The buttons appear one after another, 15 frames each, buttons 4 and 5 together. A finished
// button is made opaque again every frame until the last one is.
void TMainMenu::IntroStep() {
    auto button = [&](int32_t item) { return context_.Menu.Button(item); };
    auto fade = [&](int32_t item) {
        if (TMenuButton* b = button(item))
            b->Alpha += IntroAlphaStep;
    };
    auto opaque = [&](int32_t item) {
        if (TMenuButton* b = button(item)) {
            b->AlphaOn = false;
            b->NormalImage = MainItems[item - 1].NormalImage;
            b->NormalLook();
        }
    };
    auto shown = [&](int32_t item) {
        return button(item) && button(item)->Alpha >= IntroOpaqueAlpha;
    };

    fade(1);
    if (!shown(1))
        return;
    opaque(1);
    fade(2);
    if (!shown(2))
        return;
    opaque(2);
    fade(3);
    if (!shown(3))
        return;
    opaque(3);
    fade(4);
    fade(5);
    if (!shown(4))
        return;
    opaque(4);
    opaque(5);
    fade(6);
    if (!shown(6))
        return;
    opaque(6);
    introRunning_ = 0;
}

void TMainMenu::KillBackground() {
    if (background_)
        background_->KillOnce();
    background_ = nullptr;
}

void TMainMenu::LeaveMainMenu() {
    context_.ScreenKind = skNone;
    KillBackground();
    context_.Services.Root.Dead();
    // The main menu is the current screen here, so its items 1..6 are MenuStart..MenuEnd.
    context_.Menu.KillMenuButtons();
    for (int32_t item = 1; item <= 6; ++item)
        context_.Menu.MenuButtons[item] = nullptr;
}
