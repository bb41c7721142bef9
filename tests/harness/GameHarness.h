#pragma once
// A whole game on the headless backend, driven like a player would: frames with a chosen lagCount,
// keys, typed characters, the mouse, and screenshots of the back surface.

#include <cstdint>
#include <memory>
#include <string>

#include "app/Zorvex_unit.h"
#include "platform/headless/HeadlessBackend.h"

class GameHarness {
public:
    // Builds the game with a fixed random seed; start-up runs unless startUp is false.
    explicit GameHarness(uint32_t seed = 1, bool startUp = true);
    ~GameHarness();

    TMForm& Form() { return *form_; }
    platform::HeadlessBackend& Backend() { return backend_; }
    bool StartedUp() const { return startedUp_; }

    // Lets lagCount ms pass, delivers the pending window events, and runs one idle pass.
    void Frame(int32_t lagCount = 16);
    void Frames(int count, int32_t lagCount = 16);

    void KeyDown(uint16_t virtualKey, uint8_t shift = 0);
    void KeyUp(uint16_t virtualKey, uint8_t shift = 0);
    void Type(const std::string& text);
    void MouseMove(int32_t x, int32_t y);
    void Click(int32_t x, int32_t y);
    void Send(const platform::InputEvent& event) { backend_.Push(event); }

    bool SaveScreenshot(const std::string& path);
    // From the main menu, after its intro, into a race through the ship selection's start
    // button, with the first ship; the level caption is showing.
    void EnterRace();
    // The folder of this game's options and high-score files, made fresh for it.
    const std::string& SaveFolder() const { return saveFolder_; }

private:
    std::string saveFolder_;
    platform::HeadlessBackend backend_;
    std::unique_ptr<TMForm> form_;
    bool startedUp_ = false;
};
