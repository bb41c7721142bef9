#pragma once
// A song in the XM (extended module) format, held in memory the way XmWriter stores it. The
// mapping from these fields to the file is described in docs/xm-writer.md.

#include <cstdint>
#include <string>
#include <vector>

namespace xm {

constexpr int kMaxChannels = 32;
constexpr int kMaxRows = 256;
constexpr int kMaxPatterns = 256;
constexpr int kMaxOrders = 256;
constexpr int kMaxInstruments = 128;
constexpr int kMaxEnvelopePoints = 12;
constexpr uint8_t kHighestNote = 96;  // B-7; 1 is C-0 and 49 is C-4, middle C
constexpr uint8_t kKeyOff = 97;       // releases the note: its envelope leaves the sustain point

// Volume column values.
constexpr uint8_t SetVolume(int volume) {
    return static_cast<uint8_t>(0x10 + volume);
}  // 0..64

// Effect column values used by our songs.
constexpr uint8_t kEffectSetPanning = 0x08;  // parameter 0 (left) .. 255 (right)

struct Cell {
    uint8_t Note = 0;        // 0 = none, 1..96, or kKeyOff
    uint8_t Instrument = 0;  // 0 = none, else 1-based index into Module::Instruments
    uint8_t Volume = 0;      // volume column: 0 = none, 0x10..0x50 = set volume 0..64
    uint8_t Effect = 0;
    uint8_t Parameter = 0;
    bool Empty() const {
        return Note == 0 && Instrument == 0 && Volume == 0 && Effect == 0 && Parameter == 0;
    }
    bool operator==(const Cell&) const = default;
};

struct Pattern {
    int Rows = 64;            // 1..256
    std::vector<Cell> Cells;  // Rows x channels, row after row
    bool operator==(const Pattern&) const = default;
};

struct EnvelopePoint {
    uint16_t Tick;  // ticks after the note starts; strictly increasing, the first at 0
    uint8_t Value;  // 0..64
};

struct Envelope {
    std::vector<EnvelopePoint> Points;  // empty = no envelope
    int Sustain = -1;                   // point held until key-off; -1 = none
    int LoopStart = -1, LoopEnd = -1;   // points; -1 = no loop
};

enum class LoopType : uint8_t { None = 0, Forward = 1, PingPong = 2 };

struct Sample {
    std::string Name;           // up to 22 characters
    std::vector<int16_t> Data;  // 16-bit mono
    LoopType Loop = LoopType::None;
    uint32_t LoopStart = 0;   // in samples
    uint32_t LoopLength = 0;  // in samples, > 0 when looping
    uint8_t Volume = 64;      // 0..64
    int8_t Finetune = 0;      // 1/128 semitone
    int8_t RelativeNote = 0;  // semitones added to every note played
    uint8_t Panning = 128;    // 0 (left) .. 255 (right)
};

struct AutoVibrato {
    uint8_t Type = 0;   // 0 sine, 1 square, 2 ramp down, 3 ramp up
    uint8_t Sweep = 0;  // ticks until full depth
    uint8_t Depth = 0;  // 0..15
    uint8_t Rate = 0;   // 0..63
};

// One sample per instrument: every key plays the same sample, pitched by the note.
struct Instrument {
    std::string Name;  // up to 22 characters
    Sample Wave;
    Envelope Volume;
    Envelope Panning;
    uint16_t Fadeout = 0;  // volume lost per tick after key-off, of 32768; 0 = none
    AutoVibrato Vibrato;
};

struct Module {
    std::string Name;  // up to 20 characters
    int Channels = 8;  // even, 2..32
    int Speed = 6;     // ticks per row, 1..31
    int Bpm = 125;     // 32..255; a tick lasts 2.5 / Bpm seconds
    std::vector<Pattern> Patterns;
    std::vector<uint8_t> Order;  // pattern numbers, in playing order
    int RestartPosition = 0;     // the order index play continues from after the last one
    std::vector<Instrument> Instruments;
};

// Seconds one row lasts at the module's speed and tempo.
inline double RowSeconds(const Module& module) {
    return 2.5 * module.Speed / module.Bpm;
}

}  // namespace xm
