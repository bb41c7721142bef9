#include "platform/sdl/SdlDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "platform/sdl/PresenterChoice.h"

namespace platform::sdl {

SdlDisplay::SdlDisplay() {
    window_ = SDL_CreateWindow("Zorvex", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               MemoryCanvas::Width, MemoryCanvas::Height, SDL_WINDOW_SHOWN);
    if (!window_)
        throw std::runtime_error(std::string("Cannot open the window: ") + SDL_GetError());
    presenter_ = ChoosePresenter(window_);
    // The game points with a hand. A system without one keeps its arrow.
    handPointer_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    if (handPointer_)
        SDL_SetCursor(handPointer_);
    const char* stats = std::getenv("ZORVEX_STATS");
    reportStats_ = stats && std::string(stats) == "1";
}

SdlDisplay::~SdlDisplay() {
    if (reportStats_)
        ReportStats();
    presenter_.reset();
    if (handPointer_)
        SDL_FreeCursor(handPointer_);
    if (window_)
        SDL_DestroyWindow(window_);
}

bool SdlDisplay::CanDraw() const {
    return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) == 0;
}

// An unchanged picture is not presented; the frame then only waits for its refresh.
void SdlDisplay::Present() {
    ++frames_;
    const std::vector<Rect>& changed = changes_.Compare(canvas_.Bytes(), canvas_.Pitch());
    if (!changed.empty()) {
        presenter_->Show(canvas_.Pixels(), changed);
        ++presents_;
    }
#ifndef __EMSCRIPTEN__
    // In a browser the animation frames pace the game; a wait would only block the page.
    WaitForRefreshIfEarly();
#endif
    if (reportStats_ && SDL_GetTicks64() >= lastReportMs_ + 1000) {
        lastReportMs_ = SDL_GetTicks64();
        ReportStats();
    }
}

std::vector<uint32_t> SdlDisplay::ReadShown() {
    std::vector<uint32_t> pixels = presenter_->ReadShown();
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

void SdlDisplay::ReportStats() {
    std::fprintf(stderr, "Zorvex stats: %llu ms, %llu frames, %llu presented\n",
                 static_cast<unsigned long long>(SDL_GetTicks64()),
                 static_cast<unsigned long long>(frames_),
                 static_cast<unsigned long long>(presents_));
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
    changes_.Forget();
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
