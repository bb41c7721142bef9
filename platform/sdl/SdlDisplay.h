#pragma once
// The real display: the window "Zorvex" showing the 800 x 600 canvas, scaled with its aspect kept
// in full screen. Every frame is drawn in memory (MemoryCanvas); a frame whose picture is the same
// as the last one shown is not presented at all, and a changed one sends only its changed part,
// through the cheapest path the machine has (see PresenterChoice.h).

#include <SDL.h>

#include <memory>

#include "platform/ChangedArea.h"
#include "platform/Display.h"
#include "platform/MemoryCanvas.h"
#include "platform/sdl/FramePresenter.h"

namespace platform::sdl {

class SdlDisplay final : public Display {
public:
    SdlDisplay();
    ~SdlDisplay() override;
    SdlDisplay(const SdlDisplay&) = delete;
    SdlDisplay& operator=(const SdlDisplay&) = delete;

    Surface& BackSurface() override { return canvas_.Drawing(); }
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

    // The window system lost what the window showed (uncovered, resized): the next frame is
    // presented whole.
    void ShowWholeFrameNext() { changes_.Forget(); }
    // What the window shows, read back as 0xRRGGBB (see FramePresenter::ReadShown), and how.
    std::vector<uint32_t> ReadShown();
    std::string PresentPath() const { return presenter_->Description(); }

private:
    void WaitForRefreshIfEarly();
    void ReportStats();

    SDL_Window* window_ = nullptr;
    MemoryCanvas canvas_;
    ChangedArea changes_{MemoryCanvas::Width, MemoryCanvas::Height, 2};
    std::unique_ptr<FramePresenter> presenter_;
    SDL_Cursor* handPointer_ = nullptr;  // the pointer's shape over the window
    bool fullScreen_ = false;
    int cursorCounter_ = 0;
    uint64_t lastPresent_ = 0;
    // ZORVEX_STATS=1: frames and presents so far, on stderr once a second (for bench/).
    bool reportStats_ = false;
    uint64_t frames_ = 0;
    uint64_t presents_ = 0;
    uint64_t lastReportMs_ = 0;
};

}  // namespace platform::sdl
