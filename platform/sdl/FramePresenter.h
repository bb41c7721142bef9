#pragma once
// One way of putting the 800 x 600 canvas on the window. The display decides which frames to
// show and which parts of them changed; a presenter only copies and shows.

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Rect.h"

namespace platform::sdl {

class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Shows frame (the canvas, RGB565) whose parts outside changed are as last shown; changed is
    // never empty.
    virtual void Show(SDL_Surface* frame, const std::vector<Rect>& changed) = 0;
    // Reads back the picture last shown while windowed, at the canvas's size: ARGB8888, rows
    // 800 pixels long, alpha undefined; empty when it cannot tell (full screen).
    virtual std::vector<uint32_t> ReadShown() = 0;
    // For the log line: "the window surface" or "an accelerated renderer (...)".
    virtual std::string Description() const = 0;
};

}  // namespace platform::sdl
