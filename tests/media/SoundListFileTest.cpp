// Parsing sound list files: a good file gives back every setting and sample, and every kind of
// damage to the list or to an embedded WAV is a DataFormatError, never a crash.

#include <gtest/gtest.h>

#include <functional>
#include <span>

#include "BinaryWriter.h"
#include "engine/SoundListFile.h"
#include "harness/SoundTestFiles.h"

namespace {

// Offsets in a list of one record with an empty name and a mono sample made by the writer.
constexpr size_t CountAt = 12;
constexpr size_t RecordLengthAt = 16;
constexpr size_t NameLengthAt = 20;
constexpr size_t LoopingAt = 22;
constexpr size_t CopiesAt = 23;
constexpr size_t VolumeAt = 24;
constexpr size_t PanAt = 25;
constexpr size_t FrequencyAt = 26;
constexpr size_t WavLengthAt = 30;
constexpr size_t WavAt = 34;
constexpr size_t RiffLengthAt = WavAt + 4;
constexpr size_t FormatTagAt = WavAt + 20;
constexpr size_t ChannelsAt = WavAt + 22;
constexpr size_t SampleRateAt = WavAt + 24;
constexpr size_t BlockAlignAt = WavAt + 32;
constexpr size_t BitsAt = WavAt + 34;
constexpr size_t DataLengthAt = WavAt + 40;

using Bytes = std::vector<uint8_t>;

std::vector<TSoundListEntry> Parse(const Bytes& bytes) {
    return ParseSoundList(std::span(bytes));
}

Bytes OneToneList() {
    return SerializeSoundList({ToneRecord(10, 8000)});
}

void PutU8(Bytes& bytes, size_t at, uint8_t value) {
    bytes.at(at) = value;
}
void PutU16(Bytes& bytes, size_t at, uint16_t value) {
    bytes.at(at) = static_cast<uint8_t>(value);
    bytes.at(at + 1) = static_cast<uint8_t>(value >> 8);
}
void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

struct Chunk {
    std::string Id;
    Bytes Payload;
};

Bytes PcmFormat(uint16_t channels, uint32_t rate) {
    BinaryWriter fmt;
    fmt.U16(1);
    fmt.U16(channels);
    fmt.U32(rate);
    fmt.U32(rate * channels * 2);
    fmt.U16(static_cast<uint16_t>(channels * 2));
    fmt.U16(16);
    return fmt.Data();
}

// A RIFF WAVE file of these chunks, each padded to an even length as the format asks.
Bytes Wav(const std::vector<Chunk>& chunks) {
    BinaryWriter body;
    body.Text("WAVE");
    for (const Chunk& chunk : chunks) {
        body.Text(chunk.Id);
        body.U32(static_cast<uint32_t>(chunk.Payload.size()));
        body.Bytes(chunk.Payload.data(), chunk.Payload.size());
        if (chunk.Payload.size() % 2 == 1)
            body.U8(0);
    }
    BinaryWriter riff;
    riff.Text("RIFF");
    riff.U32(static_cast<uint32_t>(body.Size()));
    riff.Bytes(body.Data().data(), body.Size());
    return riff.Data();
}

// A list of one record holding this WAV as it is.
Bytes ListWithWav(const Bytes& wav) {
    Bytes list = OneToneList();
    list.resize(WavAt);
    list.insert(list.end(), wav.begin(), wav.end());
    PutU32(list, WavLengthAt, static_cast<uint32_t>(wav.size()));
    PutU32(list, RecordLengthAt, static_cast<uint32_t>(list.size() - RecordLengthAt - 4));
    return list;
}

TEST(SoundListFile, GivesBackEverySettingAndSampleInOrder) {
    SoundRecord loop = ToneRecord(20, 22050);
    loop.Name = "engine idle";
    loop.Looping = true;
    loop.MaxCopies = 3;
    loop.Volume = 90;
    loop.Pan = -40;
    SoundRecord stereo = ToneRecord(10, 44100, 2);
    stereo.Samples[1] = -32768;  // the extremes survive the byte order
    stereo.Samples[2] = 32767;
    stereo.Frequency = 11025;
    stereo.Pan = 100;
    stereo.Volume = 0;
    stereo.MaxCopies = 16;

    const auto entries = Parse(SerializeSoundList({loop, stereo}));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Name, "engine idle");
    const platform::SoundEffect& first = entries[0].Sound;
    EXPECT_TRUE(first.Looping);
    EXPECT_EQ(first.MaxCopies, 3);
    EXPECT_EQ(first.Volume, 90);
    EXPECT_EQ(first.Pan, -40);
    EXPECT_EQ(first.Frequency, 0u);
    EXPECT_EQ(first.SampleRate, 22050u);
    EXPECT_EQ(first.Channels, 1);
    EXPECT_EQ(first.Samples, loop.Samples);
    EXPECT_EQ(first.DurationMs(), 20u);

    const platform::SoundEffect& second = entries[1].Sound;
    EXPECT_FALSE(second.Looping);
    EXPECT_EQ(second.MaxCopies, 16);
    EXPECT_EQ(second.Volume, 0);
    EXPECT_EQ(second.Pan, 100);
    EXPECT_EQ(second.Channels, 2);
    EXPECT_EQ(second.Samples, stereo.Samples);
    // 441 frames recorded at 44.1 kHz, played at 11025 Hz: four times as long.
    EXPECT_EQ(second.PlaybackRate(), 11025u);
    EXPECT_EQ(second.DurationMs(), 40u);
}

TEST(SoundListFile, EmptyListIsValid) {
    EXPECT_TRUE(Parse(SerializeSoundList({})).empty());
}

TEST(SoundListFile, SkipsForeignChunksWithTheirPadByte) {
    const Bytes samples = {0x01, 0x00, 0xFF, 0x7F};
    // An odd chunk before the format, the data before the format, and an odd chunk last whose
    // pad byte a careless writer left out.
    Bytes wav = Wav({{"LIST", {'a', 'b', 'c'}}, {"data", samples}, {"fmt ", PcmFormat(1, 8000)}});
    const Bytes tail = {'n', 'o', 't', 'e', 1, 0, 0, 0, 'x'};
    wav.insert(wav.end(), tail.begin(), tail.end());
    PutU32(wav, 4, static_cast<uint32_t>(wav.size() - 8));

    const auto entries = Parse(ListWithWav(wav));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Sound.Samples, (std::vector<int16_t>{1, 32767}));
    EXPECT_EQ(entries[0].Sound.SampleRate, 8000u);
}

struct Damage {
    const char* What;
    const char* Reason;  // the whole message, so that no case passes for another fault
    std::function<Bytes()> Make;
};

Bytes Patched(const std::function<void(Bytes&)>& patch) {
    Bytes bytes = OneToneList();
    patch(bytes);
    return bytes;
}

Bytes Resized(size_t size) {
    Bytes bytes = OneToneList();
    bytes.resize(size);
    return bytes;
}

const std::vector<Damage>& ListDamages() {
    static const std::vector<Damage> damages = {
        {"empty file", "The file is truncated (header).", [] { return Bytes{}; }},
        {"header cut short", "The file is truncated (32-bit value).", [] { return Resized(10); }},
        {"no records after the header", "The file is truncated (32-bit value).",
         [] { return Resized(16); }},
        {"wrong magic", "It is not a sound list file.",
         [] { return Patched([](Bytes& b) { b[3] = 'X'; }); }},
        {"unknown version", "The sound list version is not supported.",
         [] { return Patched([](Bytes& b) { PutU32(b, 8, 2); }); }},
        {"count over 256", "The sound count is out of range (257).",
         [] { return Patched([](Bytes& b) { PutU32(b, CountAt, 257); }); }},
        {"count past the records", "The file is truncated (32-bit value).",
         [] { return Patched([](Bytes& b) { PutU32(b, CountAt, 2); }); }},
        {"huge count", "The sound count is out of range (4294967295).",
         [] { return Patched([](Bytes& b) { PutU32(b, CountAt, 0xFFFFFFFF); }); }},
        {"record length under 16", "The record length is out of range (15).",
         [] { return Patched([](Bytes& b) { PutU32(b, RecordLengthAt, 15); }); }},
        {"record length past the end", "The record length is out of range (238).",
         [] { return Patched([](Bytes& b) { PutU32(b, RecordLengthAt, b.size()); }); }},
        {"name length over 255", "A sound name is too long.",
         [] { return Patched([](Bytes& b) { PutU16(b, NameLengthAt, 256); }); }},
        {"name past the record", "The file is truncated (sound name).",
         [] { return Patched([](Bytes& b) { PutU16(b, NameLengthAt, 250); }); }},
        {"loop flag 2", "The loop flag is out of range (2).",
         [] { return Patched([](Bytes& b) { PutU8(b, LoopingAt, 2); }); }},
        {"no copies", "The copy count is out of range (0).",
         [] { return Patched([](Bytes& b) { PutU8(b, CopiesAt, 0); }); }},
        {"17 copies", "The copy count is out of range (17).",
         [] { return Patched([](Bytes& b) { PutU8(b, CopiesAt, 17); }); }},
        {"volume 129", "The volume is out of range (129).",
         [] { return Patched([](Bytes& b) { PutU8(b, VolumeAt, 129); }); }},
        {"pan 101", "The pan is out of range (101).",
         [] { return Patched([](Bytes& b) { PutU8(b, PanAt, 101); }); }},
        {"pan -101", "The pan is out of range (-101).",
         [] { return Patched([](Bytes& b) { PutU8(b, PanAt, 0x9B); }); }},
        {"frequency 3999", "The frequency is out of range (3999).",
         [] { return Patched([](Bytes& b) { PutU32(b, FrequencyAt, 3999); }); }},
        {"frequency 192001", "The frequency is out of range (192001).",
         [] { return Patched([](Bytes& b) { PutU32(b, FrequencyAt, 192001); }); }},
        {"empty WAV", "The sound length is out of range (0).",
         [] { return Patched([](Bytes& b) { PutU32(b, WavLengthAt, 0); }); }},
        {"WAV past the record", "The sound length is out of range (205).",
         [] { return Patched([](Bytes& b) { PutU32(b, WavLengthAt, b.size() - WavAt + 1); }); }},
        {"record longer than its WAV", "A sound record has trailing bytes.",
         [] {
             return Patched([](Bytes& b) {
                 b.push_back(0);
                 PutU32(b, RecordLengthAt, b.size() - RecordLengthAt - 4);
             });
         }},
        {"bytes after the last record", "The file has trailing bytes.",
         [] { return Patched([](Bytes& b) { b.push_back(0); }); }},
    };
    return damages;
}

const std::vector<Damage>& WavDamages() {
    static const Bytes mono = {0x10, 0x00, 0x20, 0x00};
    static const std::vector<Damage> damages = {
        {"not RIFF", "A sound is not a WAV file.",
         [] { return Patched([](Bytes& b) { b[WavAt] = 'X'; }); }},
        {"not WAVE", "A sound is not a WAV file.",
         [] { return Patched([](Bytes& b) { b[WavAt + 8] = 'X'; }); }},
        {"RIFF length past the WAV", "The WAV length is out of range (238).",
         [] { return Patched([](Bytes& b) { PutU32(b, RiffLengthAt, b.size()); }); }},
        {"RIFF length too small to hold WAVE", "The WAV length is out of range (3).",
         [] { return Patched([](Bytes& b) { PutU32(b, RiffLengthAt, 3); }); }},
        {"WAV of 8 bytes", "A sound is not a WAV file.",
         [] {
             return ListWithWav({'R', 'I', 'F', 'F', 0, 0, 0, 0});
         }},
        {"float samples", "A sound is not PCM.",
         [] { return Patched([](Bytes& b) { PutU16(b, FormatTagAt, 3); }); }},
        {"8-bit samples", "A sound is not 16-bit.",
         [] { return Patched([](Bytes& b) { PutU16(b, BitsAt, 8); }); }},
        {"no channels", "A sound is neither mono nor stereo.",
         [] { return Patched([](Bytes& b) { PutU16(b, ChannelsAt, 0); }); }},
        {"three channels", "A sound is neither mono nor stereo.",
         [] { return Patched([](Bytes& b) { PutU16(b, ChannelsAt, 3); }); }},
        {"sample rate 7999", "A sound's sample rate is out of range (7999).",
         [] { return Patched([](Bytes& b) { PutU32(b, SampleRateAt, 7999); }); }},
        {"sample rate 96001", "A sound's sample rate is out of range (96001).",
         [] { return Patched([](Bytes& b) { PutU32(b, SampleRateAt, 96001); }); }},
        {"block align not a frame", "A sound's format chunk is inconsistent.",
         [] { return Patched([](Bytes& b) { PutU16(b, BlockAlignAt, 4); }); }},
        {"data length past the end", "The WAV chunk length is out of range (4294967280).",
         [] { return Patched([](Bytes& b) { PutU32(b, DataLengthAt, 0xFFFFFFF0); }); }},
        {"format chunk too short", "A sound's format chunk is too short.",
         [] {
             Bytes fmt = PcmFormat(1, 8000);
             fmt.resize(14);
             return ListWithWav(Wav({{"fmt ", fmt}, {"data", mono}}));
         }},
        {"no format chunk", "A sound has no format chunk.",
         [] {
             return ListWithWav(Wav({{"data", mono}}));
         }},
        {"no data chunk", "A sound has no data chunk.",
         [] {
             return ListWithWav(Wav({{"fmt ", PcmFormat(1, 8000)}}));
         }},
        {"no samples", "A sound has no samples.",
         [] {
             return ListWithWav(Wav({{"fmt ", PcmFormat(1, 8000)}, {"data", {}}}));
         }},
        {"half a mono sample", "A sound's data is not a whole number of frames.",
         [] {
             return ListWithWav(Wav({{"fmt ", PcmFormat(1, 8000)}, {"data", {1, 2, 3}}}));
         }},
        {"half a stereo frame", "A sound's data is not a whole number of frames.",
         [] {
             return ListWithWav(Wav({{"fmt ", PcmFormat(2, 8000)}, {"data", {1, 2, 3, 4, 5, 6}}}));
         }},
        {"two format chunks", "A sound has two format chunks.",
         [] {
             return ListWithWav(
                 Wav({{"fmt ", PcmFormat(1, 8000)}, {"fmt ", PcmFormat(1, 8000)}, {"data", mono}}));
         }},
        {"two data chunks", "A sound has two data chunks.",
         [] {
             return ListWithWav(
                 Wav({{"fmt ", PcmFormat(1, 8000)}, {"data", mono}, {"data", mono}}));
         }},
        {"chunk header cut short", "The file is truncated (WAV chunk header).",
         [] {
             Bytes wav = Wav({{"fmt ", PcmFormat(1, 8000)}, {"data", mono}});
             wav.insert(wav.end(), {'L', 'I', 'S'});
             PutU32(wav, 4, static_cast<uint32_t>(wav.size() - 8));
             return ListWithWav(wav);
         }},
    };
    return damages;
}

void ExpectAllRejected(const std::vector<Damage>& damages) {
    for (const Damage& damage : damages) {
        SCOPED_TRACE(damage.What);
        try {
            Parse(damage.Make());
            ADD_FAILURE() << "accepted";
        } catch (const DataFormatError& error) {
            EXPECT_STREQ(error.what(), damage.Reason);
        }
    }
}

TEST(SoundListFile, DamagedListIsRejected) {
    ExpectAllRejected(ListDamages());
}

TEST(SoundListFile, DamagedWavIsRejected) {
    ExpectAllRejected(WavDamages());
}

TEST(SoundListFile, EveryTruncationIsRejected) {
    SoundRecord stereo = ToneRecord(2, 8000, 2);
    stereo.Name = "x";
    const Bytes whole = SerializeSoundList({ToneRecord(2, 8000), stereo});
    for (size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_THROW(Parse(cut), DataFormatError);
    }
}

}  // namespace
