// The window's key events: typed characters, Enter, Shift and Ctrl, Alt+Enter, and the boss key
// with its capture on the options screen.

#include "app/Zorvex_unit.h"
#include "engine/TextEntry.h"
#include "platform/Keys.h"

namespace {

constexpr int32_t CountryWidthLimit = 345;  // pixels in style 4
constexpr int32_t CountryWidthStyle = 4;
constexpr int32_t NameWidthLimit = 240;  // pixels in style 10
constexpr int32_t NameWidthStyle = 10;

bool IsFunctionKey(uint16_t key) {
    return key >= platform::vk::F1 && key <= platform::vk::F12;
}

}  // namespace

void TMForm::FormKeyDown(uint16_t key, uint8_t shift) {
    using namespace platform;
    if (BossCapture)
        FormKeyBoss(key, shift, true);
    else if (shift == BossKeys.BossModifier && key == BossKeys.BossKey)
        BossKeyAction();
    if (key == vk::Shift)
        Input.ShiftHeld = true;
    if (key == vk::Control)
        Input.CtrlHeld = true;
    if ((shift & shift::Alt) && key == vk::Return) {
        Options.FullScreen = !Options.FullScreen;
        if (ScreenKind == skRace)
            OpenDialog(dkPause);
        ApplyDisplayMode();
    }
}

void TMForm::FormKeyUp(uint16_t key, uint8_t shift) {
    if (BossCapture)
        FormKeyBoss(key, shift, false);
    if (key == platform::vk::Shift)
        Input.ShiftHeld = false;
    if (key == platform::vk::Control)
        Input.CtrlHeld = false;
}

void TMForm::FormKeyPress(char character) {
    constexpr char Backspace = 8;
    constexpr char Enter = 13;
    if (DialogKind == dkEnterName)
        TypedChar = character;
    if (ScreenKind == skOptions && OptionsScreen.CountryEdit()) {
        std::string& country = Options.Country;
        if (character == Backspace)
            DeleteLastChar(country);
        else if (IsNameChar(character) &&
                 Text.TextWidthIn(country, CountryWidthStyle) <= CountryWidthLimit)
            AppendChar(country, character, MaxCountryLength);
    }
    if (DialogKind == dkEnterName) {
        if (character == Backspace)
            DeleteLastChar(PlayerName);
        else if (IsNameChar(character) &&
                 Text.TextWidthIn(PlayerName, NameWidthStyle) <= NameWidthLimit)
            AppendChar(PlayerName, character, MaxNameLength);
    }
    if (character == Enter)
        ChooseMenuItem(Menu.MenuIndex);
}

// One modifier only: Alt wins over Ctrl, Ctrl over Shift. An F-key completes the combination and
// ends the capture.
void TMForm::FormKeyBoss(uint16_t key, uint8_t shift, bool down) {
    using namespace platform;
    BossKeys.BossModifier = (shift & shift::Alt)     ? shift::Alt
                            : (shift & shift::Ctrl)  ? shift::Ctrl
                            : (shift & shift::Shift) ? shift::Shift
                                                     : 0;
    if (down) {
        BossKeys.BossKey = IsFunctionKey(key) ? key : 0;
        if (BossKeys.BossKey != 0)
            ToggleBossCapture();
    } else if (IsFunctionKey(key)) {
        BossKeys.BossKey = 0;
    }
}

void TMForm::ToggleBossCapture() {
    if (!BossCapture) {
        SavedBossKeys = BossKeys;
        BossKeys = {0, 0};
        BossCapture = true;
        return;
    }
    if (BossKeys.BossKey == 0)
        BossKeys = SavedBossKeys;
    BossCapture = false;
}

void TMForm::EndBossCapture() {
    if (BossCapture)
        ToggleBossCapture();
}

void TMForm::BossKeyAction() {
    Music.StopMusic();
    if (ScreenKind == skRace) {
        if (DialogKind == dkLevel)
            CloseDialog();
        OpenDialog(dkPause);
    }
    BossMinimized = true;
    if (Options.FullScreen) {
        Options.FullScreen = false;
        SetWindowMode();
    }
    MDXDraw.Minimize();
}
