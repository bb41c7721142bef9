#pragma once
// Game controllers (SDL's GameController API with the mapping database SDL ships) drive the same
// input as the keyboard, so every screen, dialog and the race work with a pad:
//   d-pad or left stick: the arrow keys      A: fire (Z) and accept (Enter)
//   B: back (Esc)                            X: nitro (X)       Y: horn (H)
//   shoulder buttons: handbrake (Space)      Start: pause (P)   Back: back (Esc)
// Pads can be plugged in and out while the game runs.

#include <SDL.h>

#include <cstdint>
#include <map>
#include <vector>

namespace platform::sdl {

// The virtual key a controller button stands for, 0 for none.
uint16_t VirtualKeyOfButton(SDL_GameControllerButton button);

// How far a stick must lean (of 32767) before it counts as an arrow held.
constexpr int16_t StickDeadZone = 16000;

class Gamepads {
public:
    Gamepads() = default;
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Opens a pad that was plugged in, closes one that was pulled out. True when the event was a
    // pad's arrival or departure.
    bool HandleDeviceEvent(const SDL_Event& event);
    // The virtual keys the open pads hold now.
    std::vector<uint16_t> HeldKeys() const;

private:
    std::map<SDL_JoystickID, SDL_GameController*> open_;
};

}  // namespace platform::sdl
