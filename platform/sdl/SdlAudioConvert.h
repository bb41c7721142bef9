#pragma once
// Turns a sound effect into raw bytes of the mixer's output format, resampled so that it plays at
// its own playback rate (the item's frequency when it has one).

#include <cstdint>
#include <vector>

#include "platform/AudioSound.h"

namespace platform::sdl {

struct DeviceFormat {
    int Rate = 0;         // Hz
    uint16_t Format = 0;  // an SDL_AudioFormat
    int Channels = 0;
};

// Empty when SDL cannot convert between the two formats.
std::vector<uint8_t> ConvertToDevice(const SoundEffect& effect, const DeviceFormat& device);

}  // namespace platform::sdl
