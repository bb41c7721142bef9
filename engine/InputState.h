#pragma once
// Keyboard and mouse state the frames read: held keys become pressed-this-frame flags once per
// frame, and the window's events set the modifier flags and the pointer position between frames.

#include <cstdint>

#include "platform/Keyboard.h"

struct TKeyFlag {
    bool Held = false;     // held at the last poll
    bool Pressed = false;  // held now and not at the poll before
};

struct TInputState {
    TKeyFlag Up, Down, Left, Right, P, Y, N, Esc;
    // The race's other keys, read only as held: horn, handbrake, fire and nitro.
    bool HHeld = false;
    bool SpaceHeld = false;
    bool ZHeld = false;
    bool XHeld = false;
    bool ShiftHeld = false;
    bool CtrlHeld = false;
    int32_t MouseX = 0;
    int32_t MouseY = 0;

    bool AnyArrowPressed() const {
        return Up.Pressed || Down.Pressed || Left.Pressed || Right.Pressed;
    }

    // Reads the keyboard and updates every pressed-this-frame flag.
    void Poll(platform::Keyboard& keyboard);
};
