#pragma once
// Which way the window is presented. ZORVEX_PRESENT=surface or =gpu forces one. Otherwise the
// accelerated renderer is taken only where there is a GPU: a DRM render node (/dev/dri/renderD*)
// and an OpenGL that is not a software rasteriser; everywhere else the window surface, which
// loads no OpenGL at all.

#include <SDL.h>

#include <memory>

#include "platform/sdl/FramePresenter.h"

namespace platform::sdl {

// Never fails: the window surface is always there. Writes the choice as one line on stderr.
std::unique_ptr<FramePresenter> ChoosePresenter(SDL_Window* window);

}  // namespace platform::sdl
