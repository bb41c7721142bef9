#pragma once
// Writes a sound list file in our own format (docs/sound-list-format.md).

#include <cstdint>
#include <string>
#include <vector>

struct SoundRecord {
    std::string Name;
    bool Looping = false;
    uint8_t MaxCopies = 1;   // 1..16
    uint8_t Volume = 128;    // 0..128
    int8_t Pan = 0;          // -100..100
    uint32_t Frequency = 0;  // Hz; 0 = the sample's own rate
    int SampleRate = 44100;  // of Samples
    int Channels = 1;        // 1 or 2, interleaved in Samples
    std::vector<int16_t> Samples;
};

// A RIFF WAVE file holding 16-bit PCM samples.
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sampleRate, int channels);

// The whole file as bytes; throws std::invalid_argument when a record breaks a rule of the format.
std::vector<uint8_t> SerializeSoundList(const std::vector<SoundRecord>& sounds);

// Serializes and writes to path; throws std::runtime_error when the file cannot be written.
void WriteSoundList(const std::string& path, const std::vector<SoundRecord>& sounds);
