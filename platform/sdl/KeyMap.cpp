#include "platform/sdl/KeyMap.h"

#include <array>
#include <utility>

#include "platform/Keys.h"

namespace platform::sdl {

namespace {

// Keys that are not letters, digits or function keys.
constexpr std::array<std::pair<SDL_Keycode, uint16_t>, 21> NamedKeys = {{
    {SDLK_BACKSPACE, vk::Back},  {SDLK_TAB, vk::Tab},       {SDLK_RETURN, vk::Return},
    {SDLK_KP_ENTER, vk::Return}, {SDLK_LSHIFT, vk::Shift},  {SDLK_RSHIFT, vk::Shift},
    {SDLK_LCTRL, vk::Control},   {SDLK_RCTRL, vk::Control}, {SDLK_LALT, vk::Menu},
    {SDLK_RALT, vk::Menu},       {SDLK_PAUSE, vk::Pause},   {SDLK_ESCAPE, vk::Escape},
    {SDLK_SPACE, vk::Space},     {SDLK_PAGEUP, vk::PageUp}, {SDLK_PAGEDOWN, vk::PageDown},
    {SDLK_END, vk::End},         {SDLK_HOME, vk::Home},     {SDLK_LEFT, vk::Left},
    {SDLK_UP, vk::Up},           {SDLK_RIGHT, vk::Right},   {SDLK_DOWN, vk::Down},
}};

}  // namespace

uint16_t VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return static_cast<uint16_t>(vk::LetterA + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9)
        return static_cast<uint16_t>(vk::Digit0 + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return static_cast<uint16_t>(vk::F1 + (key - SDLK_F1));
    if (key == SDLK_INSERT)
        return vk::Insert;
    if (key == SDLK_DELETE)
        return vk::Delete;
    for (const auto& [sdlKey, virtualKey] : NamedKeys)
        if (sdlKey == key)
            return virtualKey;
    return 0;
}

SDL_Keycode SdlKeyFromVirtual(uint16_t virtualKey) {
    if (virtualKey >= vk::LetterA && virtualKey <= vk::LetterA + 25)
        return SDLK_a + (virtualKey - vk::LetterA);
    if (virtualKey >= vk::Digit0 && virtualKey <= vk::Digit0 + 9)
        return SDLK_0 + (virtualKey - vk::Digit0);
    if (virtualKey >= vk::F1 && virtualKey <= vk::F12)
        return SDLK_F1 + (virtualKey - vk::F1);
    for (const auto& [sdlKey, code] : NamedKeys)
        if (code == virtualKey)
            return sdlKey;
    return SDLK_UNKNOWN;
}

uint8_t ShiftByte(SDL_Keymod modifiers, uint32_t mouseButtons) {
    uint8_t result = 0;
    if (modifiers & KMOD_SHIFT)
        result |= shift::Shift;
    if (modifiers & KMOD_ALT)
        result |= shift::Alt;
    if (modifiers & KMOD_CTRL)
        result |= shift::Ctrl;
    if (mouseButtons & SDL_BUTTON_LMASK)
        result |= shift::LeftButton;
    if (mouseButtons & SDL_BUTTON_RMASK)
        result |= shift::RightButton;
    if (mouseButtons & SDL_BUTTON_MMASK)
        result |= shift::MiddleButton;
    return result;
}

}  // namespace platform::sdl
