#include "engine/SoundListFile.h"

#include "engine/ListFile.h"

#include <optional>

namespace {

constexpr char Magic[] = "ZVXSNDL1";
constexpr uint32_t MaxItems = 256;
constexpr uint32_t MinRecordLength = 16;
constexpr size_t MaxNameLength = 255;
constexpr int MaxCopies = 16;
constexpr int MaxVolume = 128;
constexpr int MaxPan = 100;
constexpr uint32_t MinFrequency = 4000;  // Hz, when a frequency is given
constexpr uint32_t MaxFrequency = 192000;
constexpr uint32_t MinSampleRate = 8000;  // Hz of the WAV itself
constexpr uint32_t MaxSampleRate = 96000;
constexpr uint16_t PcmFormat = 1;

// A u32 length of what follows it: at least low and at most the bytes left after it.
uint32_t ReadLength(ByteReader& reader, uint32_t low, const char* what) {
    const uint32_t length = reader.U32();
    if (length < low || length > reader.Left())
        throw DataFormatError(std::string("The ") + what + " is out of range (" +
                              std::to_string(length) + ").");
    return length;
}

struct WavFormat {
    int Channels = 0;
    uint32_t SampleRate = 0;
};

WavFormat ReadFmtChunk(std::span<const uint8_t> chunk) {
    ByteReader fmt(chunk);
    if (chunk.size() < 16)
        throw DataFormatError("A sound's format chunk is too short.");
    if (fmt.U16() != PcmFormat)
        throw DataFormatError("A sound is not PCM.");
    const uint16_t channels = fmt.U16();
    const uint32_t sampleRate = fmt.U32();
    const uint32_t byteRate = fmt.U32();
    const uint16_t blockAlign = fmt.U16();
    const uint16_t bitsPerSample = fmt.U16();
    if (bitsPerSample != 16)
        throw DataFormatError("A sound is not 16-bit.");
    if (channels < 1 || channels > 2)
        throw DataFormatError("A sound is neither mono nor stereo.");
    if (sampleRate < MinSampleRate || sampleRate > MaxSampleRate)
        throw DataFormatError("A sound's sample rate is out of range (" +
                              std::to_string(sampleRate) + ").");
    if (blockAlign != channels * 2u || byteRate != sampleRate * blockAlign)
        throw DataFormatError("A sound's format chunk is inconsistent.");
    return {channels, sampleRate};
}

// Fills the effect's format and samples from a RIFF WAVE file: a 'fmt ' chunk describing 16-bit
// PCM and a 'data' chunk of whole frames, each exactly once, in any order among other chunks.
void ReadWav(std::span<const uint8_t> wav, platform::SoundEffect& sound) {
    ByteReader file(wav);
    if (wav.size() < 12 || file.Text(4, "WAV header") != "RIFF")
        throw DataFormatError("A sound is not a WAV file.");
    const uint32_t riffLength = ReadLength(file, 4, "WAV length");
    ByteReader riff(file.Bytes(riffLength, "WAV body"));
    if (riff.Text(4, "WAV header") != "WAVE")
        throw DataFormatError("A sound is not a WAV file.");
    std::optional<WavFormat> format;
    std::optional<std::span<const uint8_t>> data;
    while (riff.Left() > 0) {
        const std::string id = riff.Text(4, "WAV chunk header");
        const uint32_t length = ReadLength(riff, 0, "WAV chunk length");
        const auto chunk = riff.Bytes(length, "WAV chunk");
        // Chunks start on even offsets; the pad byte after an odd chunk may be cut off at the end.
        if (length % 2 == 1 && riff.Left() > 0)
            riff.U8();
        if (id == "fmt ") {
            if (format)
                throw DataFormatError("A sound has two format chunks.");
            format = ReadFmtChunk(chunk);
        } else if (id == "data") {
            if (data)
                throw DataFormatError("A sound has two data chunks.");
            data = chunk;
        }
    }
    if (!format)
        throw DataFormatError("A sound has no format chunk.");
    if (!data)
        throw DataFormatError("A sound has no data chunk.");
    const size_t frameBytes = static_cast<size_t>(format->Channels) * 2;
    if (data->empty())
        throw DataFormatError("A sound has no samples.");
    if (data->size() % frameBytes != 0)
        throw DataFormatError("A sound's data is not a whole number of frames.");
    sound.Channels = format->Channels;
    sound.SampleRate = format->SampleRate;
    sound.Samples.resize(data->size() / 2);
    for (size_t i = 0; i < sound.Samples.size(); ++i)
        sound.Samples[i] = static_cast<int16_t>((*data)[2 * i] | ((*data)[2 * i + 1] << 8));
}

uint8_t ReadU8In(ByteReader& reader, uint8_t low, uint8_t high, const char* what) {
    const uint8_t value = reader.U8();
    if (value < low || value > high)
        throw DataFormatError(std::string("The ") + what + " is out of range (" +
                              std::to_string(value) + ").");
    return value;
}

TSoundListEntry ReadEntry(ByteReader& file) {
    const uint32_t recordLength = ReadLength(file, MinRecordLength, "record length");
    ByteReader record(file.Bytes(recordLength, "sound record"));
    TSoundListEntry entry;
    const uint16_t nameLength = record.U16();
    if (nameLength > MaxNameLength)
        throw DataFormatError("A sound name is too long.");
    entry.Name = record.Text(nameLength, "sound name");
    platform::SoundEffect& sound = entry.Sound;
    sound.Looping = ReadU8In(record, 0, 1, "loop flag") == 1;
    sound.MaxCopies = ReadU8In(record, 1, MaxCopies, "copy count");
    sound.Volume = ReadU8In(record, 0, MaxVolume, "volume");
    sound.Pan = static_cast<int8_t>(record.U8());
    if (sound.Pan < -MaxPan || sound.Pan > MaxPan)
        throw DataFormatError("The pan is out of range (" + std::to_string(sound.Pan) + ").");
    sound.Frequency = record.U32In(0, MaxFrequency, "frequency");
    if (sound.Frequency != 0 && sound.Frequency < MinFrequency)
        throw DataFormatError("The frequency is out of range (" + std::to_string(sound.Frequency) +
                              ").");
    const uint32_t wavLength = ReadLength(record, 1, "sound length");
    const auto wav = record.Bytes(wavLength, "sound");
    if (record.Left() != 0)
        throw DataFormatError("A sound record has trailing bytes.");
    ReadWav(wav, sound);
    return entry;
}

}  // namespace

std::vector<TSoundListEntry> ParseSoundList(std::span<const uint8_t> bytes) {
    constexpr TListFileKind SoundList = {Magic, "a sound list", "sound", MaxItems};
    return ParseListFile<TSoundListEntry>(bytes, SoundList, ReadEntry);
}
