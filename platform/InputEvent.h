#pragma once
// What the window reports between frames, already in the game's terms.

#include <cstdint>
#include <string>

namespace platform {

enum class EventKind {
    KeyDown,       // Key, Shift
    KeyUp,         // Key, Shift
    Character,     // Character: a typed character, or 13 for Enter and 8 for Backspace
    MouseMove,     // X, Y in surface pixels, Shift
    MouseDown,     // X, Y, Shift
    MouseUp,       // X, Y, Shift
    Click,         // a left click on the display
    DoubleClick,   // the second press of a double click
    CloseRequest,  // the window's close button
    Minimized,
    Restored,
    FocusGained,
    FocusLost,
    Terminate,  // SIGTERM or SIGINT: closing by other means
};

struct InputEvent {
    EventKind Kind = EventKind::KeyDown;
    uint16_t Key = 0;
    uint8_t Shift = 0;
    char Character = 0;
    int X = 0;
    int Y = 0;
};

}  // namespace platform
