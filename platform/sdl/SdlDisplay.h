#pragma once
// The real display: the window "Zorvex", a renderer with vsync, and an 800 x 600 render target
// (RGB565 where the renderer offers it) shown scaled with its aspect kept.

#include <SDL.h>

#include <memory>

#include "platform/Display.h"

namespace platform::sdl {

class SdlDisplay final : public Display {
public:
    SdlDisplay();
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    Surface& BackSurface() override { return *surface_; }
    bool CanDraw() const override;
    void Present() override;
    int RefreshRate() const override;

    void SetFullScreen(bool on) override;
    bool FullScreen() const override { return fullScreen_; }
    bool GetPlacement(WindowPlacement& placement) const override;
    void SetPlacement(const WindowPlacement& placement) override;
    void CentreWindow() override;
    void Minimize() override { SDL_MinimizeWindow(window_); }

    int ShowCursor(bool show) override;
    void ShowError(const std::string& title, const std::string& text) override;

private:
    void WaitForRefreshIfEarly();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* target_ = nullptr;
    SDL_Cursor* handPointer_ = nullptr;  // the pointer's shape over the window
    std::unique_ptr<Surface> surface_;
    bool fullScreen_ = false;
    int cursorCounter_ = 0;
    uint64_t lastPresent_ = 0;
};

}  // namespace platform::sdl
