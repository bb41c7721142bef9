#include "harness/GameHarness.h"

#include <filesystem>

#include "platform/PixelImage.h"

namespace {
// A folder of its own for each game, so that tests running side by side never share saved files.
std::string FreshSaveFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zorvex-save-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a save folder");
    return pattern;
}
}  // namespace

GameHarness::GameHarness(uint32_t seed, bool startUp)
    : saveFolder_(FreshSaveFolder()), form_(std::make_unique<TMForm>(backend_, seed, saveFolder_)) {
    if (startUp)
        startedUp_ = form_->FormCreate();
}

GameHarness::~GameHarness() {
    form_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(saveFolder_, ignored);
}

void GameHarness::Frame(int32_t lagCount) {
    backend_.AdvanceClock(static_cast<uint64_t>(lagCount));
    platform::InputEvent event;
    while (!form_->Terminated() && backend_.PollEvent(event))
        form_->HandleEvent(event);
    form_->IdleFrame();
}

void GameHarness::Frames(int count, int32_t lagCount) {
    for (int i = 0; i < count; ++i)
        Frame(lagCount);
}

void GameHarness::KeyDown(uint16_t virtualKey, uint8_t shift) {
    backend_.Keys().SetHeld(virtualKey, true);
    Send({.Kind = platform::EventKind::KeyDown, .Key = virtualKey, .Shift = shift});
}

void GameHarness::KeyUp(uint16_t virtualKey, uint8_t shift) {
    backend_.Keys().SetHeld(virtualKey, false);
    Send({.Kind = platform::EventKind::KeyUp, .Key = virtualKey, .Shift = shift});
}

void GameHarness::Type(const std::string& text) {
    for (char c : text)
        Send({.Kind = platform::EventKind::Character, .Character = c});
}

void GameHarness::MouseMove(int32_t x, int32_t y) {
    Send({.Kind = platform::EventKind::MouseMove, .X = x, .Y = y});
}

void GameHarness::Click(int32_t x, int32_t y) {
    MouseMove(x, y);
    Send({.Kind = platform::EventKind::MouseDown, .Shift = 8, .X = x, .Y = y});
    Send({.Kind = platform::EventKind::MouseUp, .X = x, .Y = y});
    Send({.Kind = platform::EventKind::Click, .X = x, .Y = y});
}

bool GameHarness::SaveScreenshot(const std::string& path) {
    return platform::SavePng(backend_.Screen().BackSurface().ReadAll(), path);
}

void GameHarness::EnterRace() {
    while (form_->MainMenu.IntroRunning())
        Frame();
    form_->Menu.MenuIndex = 1;
    Frame();
    Type("\r");
    Frame();
    form_->Menu.MenuIndex = 9;
    Frame();
    Type("\r");
    Frame();
}
