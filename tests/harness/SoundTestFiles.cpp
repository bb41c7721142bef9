#include "harness/SoundTestFiles.h"

#include <unistd.h>

#include <atomic>
#include <cmath>
#include <numbers>

#include "BinaryWriter.h"

TempFolder::TempFolder() {
    static std::atomic<int> made = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("zorvex-sound-" + std::to_string(getpid()) + "-" + std::to_string(made++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

SoundRecord ToneRecord(int durationMs, int sampleRate, int channels) {
    SoundRecord record;
    record.SampleRate = sampleRate;
    record.Channels = channels;
    const int frames = sampleRate * durationMs / 1000;
    for (int frame = 0; frame < frames; ++frame) {
        const double phase = 2 * std::numbers::pi * 440.0 * frame / sampleRate;
        const auto sample = static_cast<int16_t>(std::lround(20000 * std::sin(phase)));
        for (int channel = 0; channel < channels; ++channel)
            record.Samples.push_back(sample);
    }
    return record;
}

std::string SoundListBytes(const std::vector<SoundRecord>& records) {
    const std::vector<uint8_t> bytes = SerializeSoundList(records);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

void FixedText(BinaryWriter& out, const std::string& text, size_t size) {
    std::string padded = text;
    padded.resize(size, '\0');
    out.Text(padded);
}

}  // namespace

std::vector<uint8_t> TinyXmModule() {
    constexpr int Rows = 16;
    constexpr int SampleBytes = 32;  // one period of the square wave, 8-bit
    BinaryWriter out;
    out.Text("Extended Module: ");
    FixedText(out, "zorvex test", 20);
    out.U8(0x1A);
    FixedText(out, "zorvex tests", 20);
    out.U16(0x0104);  // format version
    out.U32(276);     // header size from here: this field, 16 bytes of fields, the order table
    out.U16(1);       // song length in orders
    out.U16(0);       // restart position
    out.U16(2);       // channels
    out.U16(1);       // patterns
    out.U16(1);       // instruments
    out.U16(1);       // linear frequency table
    out.U16(3);       // ticks per row
    out.U16(125);     // beats per minute
    FixedText(out, "", 256);  // order table: pattern 0

    // Pattern 0: C-4 on channel 1 at full volume in row 0, nothing else.
    BinaryWriter rows;
    rows.U8(0x80 | 0x01 | 0x02 | 0x04);  // packed: note, instrument and volume follow
    rows.U8(49);                         // C-4
    rows.U8(1);                          // instrument 1
    rows.U8(0x50);                       // volume 64
    rows.U8(0x80);                       // channel 2 empty
    for (int row = 1; row < Rows; ++row) {
        rows.U8(0x80);
        rows.U8(0x80);
    }
    out.U32(9);  // pattern header size
    out.U8(0);   // packing type
    out.U16(Rows);
    out.U16(static_cast<uint16_t>(rows.Size()));
    out.Bytes(rows.Data().data(), rows.Size());

    // Instrument 1 with one sample; its header is 263 bytes in all.
    const size_t instrumentStart = out.Size();
    out.U32(263);
    FixedText(out, "square", 22);
    out.U8(0);                                             // type
    out.U16(1);                                            // samples
    out.U32(40);                                           // sample header size
    FixedText(out, "", 96 + 48 + 48 + 2 + 6 + 2 + 4 + 2);  // no note map, envelopes or vibrato
    FixedText(out, "", 263 - (out.Size() - instrumentStart));
    out.U32(SampleBytes);  // length
    out.U32(0);            // loop start
    out.U32(SampleBytes);  // loop length
    out.U8(64);            // volume
    out.U8(0);             // finetune
    out.U8(1);             // forward loop, 8-bit
    out.U8(128);           // centre pan
    out.U8(0);             // relative note
    out.U8(0);             // reserved
    FixedText(out, "square", 22);
    // Delta-coded: +64 for half the period, then -64.
    for (int i = 0; i < SampleBytes; ++i)
        out.U8(i == 0 ? 64 : i == SampleBytes / 2 ? static_cast<uint8_t>(-128) : 0);
    return out.Data();
}
