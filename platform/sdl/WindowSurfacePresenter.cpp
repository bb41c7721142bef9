#include "platform/sdl/WindowSurfacePresenter.h"

#include <algorithm>

#include "platform/MemoryCanvas.h"

namespace platform::sdl {

namespace {

// The largest rectangle of the frame's aspect that fits in the window, centred.
SDL_Rect AspectKeptRect(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
    const double scale = std::min(static_cast<double>(windowWidth) / frameWidth,
                                  static_cast<double>(windowHeight) / frameHeight);
    const int width = static_cast<int>(frameWidth * scale);
    const int height = static_cast<int>(frameHeight * scale);
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, width, height};
}

}  // namespace

WindowSurfacePresenter::WindowSurfacePresenter(SDL_Window* window) : window_(window) {
    // Without this SDL would show the window surface through an OpenGL renderer, which on a
    // software rasteriser costs more than the whole game.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

void WindowSurfacePresenter::Show(SDL_Surface* frame, const std::vector<Rect>& changed) {
    // Asked again every frame: a change of size (full screen) makes a new one.
    SDL_Surface* shown = SDL_GetWindowSurface(window_);
    if (!shown)
        return;
    if (shown->w == frame->w && shown->h == frame->h) {
        rects_.clear();
        for (const Rect& rect : changed) {
            SDL_Rect area = {rect.Left, rect.Top, rect.Width(), rect.Height()};
            SDL_Rect to = area;
            SDL_BlitSurface(frame, &area, shown, &to);
            rects_.push_back(area);
        }
        SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
        return;
    }
    SDL_FillRect(shown, nullptr, SDL_MapRGB(shown->format, 0, 0, 0));
    SDL_Rect to = AspectKeptRect(frame->w, frame->h, shown->w, shown->h);
    SDL_BlitScaled(frame, nullptr, shown, &to);
    SDL_UpdateWindowSurface(window_);
}

std::vector<uint32_t> WindowSurfacePresenter::ReadShown() {
    SDL_Surface* shown = SDL_GetWindowSurface(window_);
    if (!shown || shown->w != MemoryCanvas::Width || shown->h != MemoryCanvas::Height)
        return {};
    std::vector<uint32_t> pixels(MemoryCanvas::Width * MemoryCanvas::Height);
    SDL_ConvertPixels(MemoryCanvas::Width, MemoryCanvas::Height, shown->format->format,
                      shown->pixels, shown->pitch, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                      MemoryCanvas::Width * 4);
    return pixels;
}

}  // namespace platform::sdl
