#pragma once
// The player's settings, and the boss key kept beside them in the options file.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Keys.h"

// The longest country the options screen takes, in characters.
constexpr size_t MaxCountryLength = 16;

struct TGameOptions {
    bool FullScreen = false;
    bool MusicOn = true;
    bool SoundOn = true;
    std::string Country;  // up to MaxCountryLength characters

    bool operator==(const TGameOptions&) const = default;
};

struct TBossKeyOptions {
    uint8_t BossModifier = 0;              // shift byte bits: 0 none, 1 Shift, 2 Alt, 4 Ctrl
    uint16_t BossKey = platform::vk::F12;  // virtual key: 0 none, 112..123 for F1..F12

    bool operator==(const TBossKeyOptions&) const = default;
};
