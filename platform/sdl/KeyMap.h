#pragma once
// Translation between SDL's keys and the game's virtual key codes and shift byte.

#include <SDL.h>

#include <cstdint>

namespace platform::sdl {

// The virtual key code of an SDL key, 0 for keys the game does not know.
uint16_t VirtualKeyFromSdl(SDL_Keycode key);
// The SDL key of a virtual key code, SDLK_UNKNOWN for codes without one.
SDL_Keycode SdlKeyFromVirtual(uint16_t virtualKey);
// Shift 1, Alt 2, Ctrl 4 and the mouse buttons; Num Lock, Caps Lock and the Super key are left
// out, so that a key combination matches whatever the lock keys are.
uint8_t ShiftByte(SDL_Keymod modifiers, uint32_t mouseButtons);

}  // namespace platform::sdl
