#include "platform/sdl/SdlDisplay.h"

#include <cstdio>
#include <stdexcept>

namespace platform::sdl {

namespace {

constexpr int SurfaceWidth = 800;
constexpr int SurfaceHeight = 600;

Uint32 TargetFormat(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0)
        for (Uint32 i = 0; i < info.num_texture_formats; ++i)
            if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB565)
                return SDL_PIXELFORMAT_RGB565;
    return SDL_PIXELFORMAT_ARGB8888;
}

}  // namespace

SdlDisplay::SdlDisplay() {
    window_ = SDL_CreateWindow("Zorvex", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               SurfaceWidth, SurfaceHeight, SDL_WINDOW_SHOWN);
    if (!window_)
        throw std::runtime_error(std::string("Cannot open the window: ") + SDL_GetError());
    renderer_ =
        SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE);
    if (!renderer_)
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_)
        throw std::runtime_error(std::string("Cannot draw in the window: ") + SDL_GetError());
    // Full screen shows the surface scaled and centred, with black bars where the aspect differs.
    SDL_RenderSetLogicalSize(renderer_, SurfaceWidth, SurfaceHeight);
    target_ = SDL_CreateTexture(renderer_, TargetFormat(renderer_), SDL_TEXTUREACCESS_TARGET,
                                SurfaceWidth, SurfaceHeight);
    if (!target_)
        throw std::runtime_error(std::string("Cannot make the back surface: ") + SDL_GetError());
    SDL_SetRenderTarget(renderer_, target_);
    surface_ = std::make_unique<Surface>(renderer_, SurfaceWidth, SurfaceHeight);
    // The game points with a hand. A system without one keeps its arrow.
    handPointer_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    if (handPointer_)
        SDL_SetCursor(handPointer_);
}

SdlDisplay::~SdlDisplay() {
    surface_.reset();
    if (handPointer_)
        SDL_FreeCursor(handPointer_);
    if (target_)
        SDL_DestroyTexture(target_);
    if (renderer_)
        SDL_DestroyRenderer(renderer_);
    if (window_)
        SDL_DestroyWindow(window_);
}

bool SdlDisplay::CanDraw() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) == 0;
}

void SdlDisplay::Present() {
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, target_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    SDL_SetRenderTarget(renderer_, target_);
    WaitForRefreshIfEarly();
}

// With a working vsync the present itself waits for the refresh. A virtual display or a driver
// that ignores vsync returns at once; then we sleep out the rest of the refresh period instead
// of spinning a core.
void SdlDisplay::WaitForRefreshIfEarly() {
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const uint64_t period = frequency / static_cast<uint64_t>(RefreshRate());
    uint64_t now = SDL_GetPerformanceCounter();
    if (lastPresent_ != 0 && now - lastPresent_ + frequency / 1000 < period) {
        const uint64_t waitMs = (period - (now - lastPresent_)) * 1000 / frequency;
        SDL_Delay(static_cast<Uint32>(waitMs));
        now = SDL_GetPerformanceCounter();
    }
    lastPresent_ = now;
}

int SdlDisplay::RefreshRate() const {
    SDL_DisplayMode mode;
    const int index = SDL_GetWindowDisplayIndex(window_);
    if (index < 0 || SDL_GetCurrentDisplayMode(index, &mode) != 0 || mode.refresh_rate <= 1)
        return 60;
    return mode.refresh_rate;
}

void SdlDisplay::SetFullScreen(bool on) {
    SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    fullScreen_ = on;
}

bool SdlDisplay::GetPlacement(WindowPlacement& placement) const {
    SDL_GetWindowPosition(window_, &placement.X, &placement.Y);
    return true;
}

void SdlDisplay::SetPlacement(const WindowPlacement& placement) {
    SDL_SetWindowPosition(window_, placement.X, placement.Y);
}

void SdlDisplay::CentreWindow() {
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

int SdlDisplay::ShowCursor(bool show) {
    cursorCounter_ += show ? 1 : -1;
    SDL_ShowCursor(cursorCounter_ >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return cursorCounter_;
}

void SdlDisplay::ShowError(const std::string& title, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_);
}

}  // namespace platform::sdl
