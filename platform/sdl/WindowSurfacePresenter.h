#pragma once
// The cheapest way onto a window without a GPU: the window system's own framebuffer (X11 shared
// memory), no OpenGL loaded. Windowed, only the changed rectangles are converted to the window's
// format and sent; in full screen the whole frame is scaled into the centred rectangle that keeps
// its aspect, with black bars around it.

#include "platform/sdl/FramePresenter.h"

namespace platform::sdl {

class WindowSurfacePresenter final : public FramePresenter {
public:
    explicit WindowSurfacePresenter(SDL_Window* window);

    void Show(SDL_Surface* frame, const std::vector<Rect>& changed) override;
    std::vector<uint32_t> ReadShown() override;
    std::string Description() const override { return "the window surface"; }

private:
    SDL_Window* window_;
    std::vector<SDL_Rect> rects_;  // kept to avoid an allocation per frame
};

}  // namespace platform::sdl
