#pragma once
// The keys a frame polls, as one 16-bit word per frame: read from the real keyboard while a game
// is recorded, and answered back by TReplayKeyboard while it is played again.

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Keyboard.h"
#include "platform/Keys.h"

// Every key TInputState::Poll reads, in bit order. A key polled but missing here would read as
// never held in a replay: the record-and-replay test catches that.
inline constexpr std::array<uint16_t, 12> ReplayKeys = {
    platform::vk::Up,          platform::vk::Down,        platform::vk::Left,
    platform::vk::Right,       platform::vk::Letter('P'), platform::vk::Letter('Y'),
    platform::vk::Letter('N'), platform::vk::Escape,      platform::vk::Letter('H'),
    platform::vk::Space,       platform::vk::Letter('Z'), platform::vk::Letter('X'),
};

// The polled keys of keyboard's last Read.
uint16_t HeldReplayKeys(const platform::Keyboard& keyboard);

class TReplayKeyboard final : public platform::Keyboard {
public:
    void SetKeys(uint16_t keys) { keys_ = keys; }
    void Read() override {}
    bool IsDown(uint16_t virtualKey) const override;

private:
    uint16_t keys_ = 0;
};
