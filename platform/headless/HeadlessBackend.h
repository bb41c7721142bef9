#pragma once
// The headless backend: the same 800 x 600 canvas in memory that the real window shows, no
// window and no audio device. Time, keys and window events are injected by the caller; the
// display's mode changes, every sound and music call and every request are recorded so that tests
// can check them.

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Backend.h"
#include "platform/ChangedArea.h"
#include "platform/MemoryCanvas.h"
#include "platform/headless/HeadlessAudioLog.h"
#include "platform/headless/HeadlessAudioMusic.h"
#include "platform/headless/HeadlessAudioSounds.h"
#include "platform/headless/HeadlessHttp.h"

namespace platform {

class HeadlessDisplay final : public Display {
public:
    Surface& BackSurface() override { return canvas_.Drawing(); }
    bool CanDraw() const override { return !minimized_; }
    // Counts a frame, and a present only when the picture differs from the last one presented,
    // as the real window does.
    void Present() override;
    int RefreshRate() const override { return refreshRate_ <= 1 ? 60 : refreshRate_; }

    void SetFullScreen(bool on) override { fullScreen_ = on; }
    bool FullScreen() const override { return fullScreen_; }
    bool GetPlacement(WindowPlacement& placement) const override;
    void SetPlacement(const WindowPlacement& placement) override { placement_ = placement; }
    void CentreWindow() override { placement_ = CentredPlacement; }
    void Minimize() override { minimized_ = true; }

    int ShowCursor(bool show) override { return cursorCounter_ += show ? 1 : -1; }
    void ShowError(const std::string& title, const std::string& text) override;

    // For the caller.
    static constexpr WindowPlacement CentredPlacement = {560, 240};
    void SetRefreshRate(int hz) { refreshRate_ = hz; }
    void SetMinimized(bool minimized) { minimized_ = minimized; }
    bool Minimized() const { return minimized_; }
    const WindowPlacement& Placement() const { return placement_; }
    int CursorCounter() const { return cursorCounter_; }
    int FrameCount() const { return frameCount_; }
    int PresentCount() const { return presentCount_; }
    const std::vector<std::string>& Errors() const { return errors_; }

private:
    MemoryCanvas canvas_;
    ChangedArea changes_{MemoryCanvas::Width, MemoryCanvas::Height, 2};
    bool fullScreen_ = false;
    bool minimized_ = false;
    int refreshRate_ = 60;
    int cursorCounter_ = 0;
    int frameCount_ = 0;
    int presentCount_ = 0;
    WindowPlacement placement_ = CentredPlacement;
    std::vector<std::string> errors_;
};

// As on the real keyboard, a key pressed since the last read counts as held for that read, so a
// press and release between two frames is seen once.
class HeadlessKeyboard final : public Keyboard {
public:
    void Read() override {
        snapshot_ = held_;
        snapshot_.merge(pressedSinceRead_);
        pressedSinceRead_.clear();
    }
    bool IsDown(uint16_t virtualKey) const override { return snapshot_.contains(virtualKey); }

    void SetHeld(uint16_t virtualKey, bool held) {
        if (held) {
            held_.insert(virtualKey);
            pressedSinceRead_.insert(virtualKey);
        } else {
            held_.erase(virtualKey);
        }
    }

private:
    std::set<uint16_t> held_;
    std::set<uint16_t> pressedSinceRead_;
    std::set<uint16_t> snapshot_;
};

class HeadlessBackend final : public Backend {
public:
    Display& GetDisplay() override { return display_; }
    Keyboard& GetKeyboard() override { return keyboard_; }
    SoundDevice& GetSoundDevice() override { return sounds_; }
    MusicPlayer& GetMusicPlayer() override { return music_; }
    std::unique_ptr<HttpJob> StartHttpJob(std::vector<HttpRequest> requests) override {
        return http_.Start(std::move(requests));
    }
    void OpenUrl(const std::string& url) override { openedUrls_.push_back(url); }
    bool PollEvent(InputEvent& event) override;
    void WaitEvent(int timeoutMs) override { nowMs_ += static_cast<uint64_t>(timeoutMs); }
    uint64_t NowMs() const override { return nowMs_; }
    void RaisePriority() override {}

    // For the caller.
    HeadlessDisplay& Screen() { return display_; }
    HeadlessKeyboard& Keys() { return keyboard_; }
    HeadlessSoundDevice& Sounds() { return sounds_; }
    HeadlessMusicPlayer& Music() { return music_; }
    HeadlessAudioLog& AudioLog() { return audioLog_; }
    HeadlessHttp& Http() { return http_; }
    const std::vector<std::string>& OpenedUrls() const { return openedUrls_; }
    void AdvanceClock(uint64_t ms) { nowMs_ += ms; }
    void Push(const InputEvent& event) { events_.push_back(event); }

private:
    HeadlessDisplay display_;
    HeadlessKeyboard keyboard_;
    std::deque<InputEvent> events_;
    uint64_t nowMs_ = 1000;
    HeadlessAudioLog audioLog_;
    HeadlessSoundDevice sounds_{[this] { return nowMs_; }, audioLog_};
    HeadlessMusicPlayer music_{[this] { return nowMs_; }, audioLog_};
    HeadlessHttp http_;
    std::vector<std::string> openedUrls_;
};

}  // namespace platform
