#pragma once
// Sound lists, songs and folders made in the sound and music tests, with the same writers the
// sound generator uses.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "SoundListWriter.h"

// A folder of its own under the system's temporary folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// A loud 440 Hz sine of durationMs at sampleRate, the same on every channel.
SoundRecord ToneRecord(int durationMs, int sampleRate = 22050, int channels = 1);

// The bytes of a sound list holding these records.
std::string SoundListBytes(const std::vector<SoundRecord>& records);

// A playable XM module of 960 ms: one looped square-wave note held through one pattern.
std::vector<uint8_t> TinyXmModule();
