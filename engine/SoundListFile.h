#pragma once
// Parser of our sound list files (docs/sound-list-format.md). Pure: it checks the container and
// every embedded WAV before trusting a byte of them, and hands back the samples with their
// playback settings; the sound device makes them audible.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/ByteReader.h"
#include "platform/AudioSound.h"

struct TSoundListEntry {
    std::string Name;  // kept for tools; the game addresses sounds by index
    platform::SoundEffect Sound;
};

// Throws DataFormatError with the reason when the bytes are not a valid sound list.
std::vector<TSoundListEntry> ParseSoundList(std::span<const uint8_t> bytes);
