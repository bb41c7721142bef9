#pragma once
// The player's settings, and the boss key kept beside them in the options file.

#include <cstdint>
#include <string>

struct TGameOptions {
    bool FullScreen = false;
    bool MusicOn = true;
    bool SoundOn = true;
    std::string Country;  // up to 16 characters
};

struct TBossKeyOptions {
    uint8_t BossModifier = 0;  // shift byte bits: 0 none, 1 Shift, 2 Alt, 4 Ctrl
    uint16_t BossKey = 123;    // virtual key: 0 none, 112..123 for F1..F12
};
