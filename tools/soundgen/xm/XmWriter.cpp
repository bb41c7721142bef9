#include "xm/XmWriter.h"

#include <stdexcept>

#include "BinaryWriter.h"

namespace xm {
namespace {

constexpr uint32_t kSongHeaderSize = 276;  // from the size field: 20 bytes of fields + orders
constexpr uint32_t kPatternHeaderSize = 9;
constexpr uint32_t kInstrumentHeaderSize = 263;  // with the sample map, envelopes and padding
constexpr uint32_t kSampleHeaderSize = 40;
constexpr uint8_t kPackedCell = 0x80;  // a cell byte with this bit says which fields follow
constexpr uint8_t kSixteenBit = 0x10;

void Require(bool condition, const std::string& what) {
    if (!condition)
        throw std::invalid_argument("XM module: " + what);
}

// Text padded with zeros to its fixed field width.
void FixedText(BinaryWriter& out, const std::string& text, size_t width, const std::string& field) {
    Require(text.size() <= width, field + " longer than " + std::to_string(width) + " characters");
    out.Text(text);
    for (size_t i = text.size(); i < width; ++i)
        out.U8(0);
}

// A cell whose every field is set is stored as its five bytes; otherwise as a byte whose bits
// name the fields that follow (note, instrument, volume, effect, parameter), so an empty cell
// costs one byte.
void WriteCell(BinaryWriter& out, const Cell& cell) {
    Require(cell.Note <= kKeyOff, "note beyond key-off");
    const uint8_t fields[5] = {cell.Note, cell.Instrument, cell.Volume, cell.Effect,
                               cell.Parameter};
    uint8_t mask = 0;
    for (int i = 0; i < 5; ++i)
        if (fields[i] != 0)
            mask |= static_cast<uint8_t>(1 << i);
    if (mask == 0x1F) {
        for (uint8_t field : fields)
            out.U8(field);
        return;
    }
    out.U8(kPackedCell | mask);
    for (int i = 0; i < 5; ++i)
        if (mask & (1 << i))
            out.U8(fields[i]);
}

void WritePattern(BinaryWriter& out, const Pattern& pattern, int channels, size_t index) {
    const std::string name = "pattern " + std::to_string(index);
    Require(pattern.Rows >= 1 && pattern.Rows <= kMaxRows, name + " rows out of 1..256");
    Require(pattern.Cells.size() == static_cast<size_t>(pattern.Rows * channels),
            name + " does not hold rows x channels cells");
    BinaryWriter data;
    for (const Cell& cell : pattern.Cells)
        WriteCell(data, cell);
    out.U32(kPatternHeaderSize);
    out.U8(0);  // packing type
    out.U16(static_cast<uint16_t>(pattern.Rows));
    out.U16(static_cast<uint16_t>(data.Size()));
    out.Bytes(data.Data().data(), data.Size());
}

void WriteEnvelopePoints(BinaryWriter& out, const Envelope& envelope, const std::string& name) {
    Require(envelope.Points.size() <= kMaxEnvelopePoints, name + " has more than 12 points");
    for (size_t i = 0; i < envelope.Points.size(); ++i) {
        const EnvelopePoint& point = envelope.Points[i];
        Require(point.Value <= 64, name + " value above 64");
        Require(i == 0 ? point.Tick == 0 : point.Tick > envelope.Points[i - 1].Tick,
                name + " ticks must start at 0 and rise");
        out.U16(point.Tick);
        out.U16(point.Value);
    }
    for (size_t i = envelope.Points.size(); i < kMaxEnvelopePoints; ++i)
        out.U32(0);
}

uint8_t EnvelopeFlags(const Envelope& envelope, const std::string& name) {
    const int count = static_cast<int>(envelope.Points.size());
    Require(envelope.Sustain < count, name + " sustain point past its points");
    Require((envelope.LoopStart < 0) == (envelope.LoopEnd < 0), name + " loop needs both ends");
    Require(envelope.LoopStart <= envelope.LoopEnd && envelope.LoopEnd < count,
            name + " loop out of range");
    if (count == 0)
        return 0;
    uint8_t flags = 1;
    if (envelope.Sustain >= 0)
        flags |= 2;
    if (envelope.LoopStart >= 0)
        flags |= 4;
    return flags;
}

uint8_t PointIndex(int index) {
    return static_cast<uint8_t>(index < 0 ? 0 : index);
}

void WriteInstrument(BinaryWriter& out, const Instrument& instrument, size_t index) {
    const std::string name = "instrument " + std::to_string(index + 1);
    const Sample& wave = instrument.Wave;
    Require(!wave.Data.empty(), name + " has no sample data");
    Require(wave.Volume <= 64, name + " sample volume above 64");
    Require(instrument.Fadeout <= 0xFFF, name + " fadeout above 4095");
    Require(instrument.Vibrato.Type <= 3 && instrument.Vibrato.Depth <= 15 &&
                instrument.Vibrato.Rate <= 63,
            name + " auto-vibrato out of range");
    if (wave.Loop != LoopType::None) {
        Require(wave.LoopLength > 0, name + " loop of length 0");
        Require(static_cast<uint64_t>(wave.LoopStart) + wave.LoopLength <= wave.Data.size(),
                name + " loop runs past the sample's end");
    }
    const uint8_t volumeFlags = EnvelopeFlags(instrument.Volume, name + " volume envelope");
    const uint8_t panningFlags = EnvelopeFlags(instrument.Panning, name + " panning envelope");

    out.U32(kInstrumentHeaderSize);
    FixedText(out, instrument.Name, 22, name + " name");
    out.U8(0);   // type
    out.U16(1);  // samples
    out.U32(kSampleHeaderSize);
    for (int key = 0; key < 96; ++key)
        out.U8(0);  // every key plays sample 0
    WriteEnvelopePoints(out, instrument.Volume, name + " volume envelope");
    WriteEnvelopePoints(out, instrument.Panning, name + " panning envelope");
    out.U8(static_cast<uint8_t>(instrument.Volume.Points.size()));
    out.U8(static_cast<uint8_t>(instrument.Panning.Points.size()));
    for (const Envelope* envelope : {&instrument.Volume, &instrument.Panning}) {
        out.U8(PointIndex(envelope->Sustain));
        out.U8(PointIndex(envelope->LoopStart));
        out.U8(PointIndex(envelope->LoopEnd));
    }
    out.U8(volumeFlags);
    out.U8(panningFlags);
    out.U8(instrument.Vibrato.Type);
    out.U8(instrument.Vibrato.Sweep);
    out.U8(instrument.Vibrato.Depth);
    out.U8(instrument.Vibrato.Rate);
    out.U16(instrument.Fadeout);
    for (int i = 0; i < 22; ++i)
        out.U8(0);  // reserved

    // Sample header: lengths in bytes, two per 16-bit sample.
    const bool looping = wave.Loop != LoopType::None;
    out.U32(static_cast<uint32_t>(wave.Data.size() * 2));
    out.U32(looping ? wave.LoopStart * 2 : 0);
    out.U32(looping ? wave.LoopLength * 2 : 0);
    out.U8(wave.Volume);
    out.U8(static_cast<uint8_t>(wave.Finetune));
    out.U8(static_cast<uint8_t>(static_cast<uint8_t>(wave.Loop) | kSixteenBit));
    out.U8(wave.Panning);
    out.U8(static_cast<uint8_t>(wave.RelativeNote));
    out.U8(0);  // reserved
    FixedText(out, wave.Name, 22, name + " sample name");

    // Sample data as differences from the previous sample, wrapping in 16 bits.
    int16_t previous = 0;
    for (int16_t value : wave.Data) {
        out.U16(
            static_cast<uint16_t>(static_cast<uint16_t>(value) - static_cast<uint16_t>(previous)));
        previous = value;
    }
}

}  // namespace

std::vector<uint8_t> SerializeModule(const Module& module) {
    Require(module.Channels >= 2 && module.Channels <= kMaxChannels && module.Channels % 2 == 0,
            "channels must be even, 2..32");
    Require(module.Speed >= 1 && module.Speed <= 31, "speed out of 1..31");
    Require(module.Bpm >= 32 && module.Bpm <= 255, "BPM out of 32..255");
    Require(!module.Patterns.empty() && module.Patterns.size() <= kMaxPatterns,
            "patterns out of 1..256");
    Require(!module.Order.empty() && module.Order.size() <= kMaxOrders, "order list out of 1..256");
    Require(module.Instruments.size() <= kMaxInstruments, "more than 128 instruments");
    Require(module.RestartPosition >= 0 &&
                static_cast<size_t>(module.RestartPosition) < module.Order.size(),
            "restart position past the order list");
    for (uint8_t pattern : module.Order)
        Require(pattern < module.Patterns.size(),
                "order names pattern " + std::to_string(pattern) + " that does not exist");

    BinaryWriter out;
    out.Text("Extended Module: ");
    FixedText(out, module.Name, 20, "module name");
    out.U8(0x1A);
    FixedText(out, "Zorvex soundgen", 20, "tracker name");
    out.U16(0x0104);
    out.U32(kSongHeaderSize);
    out.U16(static_cast<uint16_t>(module.Order.size()));
    out.U16(static_cast<uint16_t>(module.RestartPosition));
    out.U16(static_cast<uint16_t>(module.Channels));
    out.U16(static_cast<uint16_t>(module.Patterns.size()));
    out.U16(static_cast<uint16_t>(module.Instruments.size()));
    out.U16(1);  // linear frequency table
    out.U16(static_cast<uint16_t>(module.Speed));
    out.U16(static_cast<uint16_t>(module.Bpm));
    for (size_t i = 0; i < kMaxOrders; ++i)
        out.U8(i < module.Order.size() ? module.Order[i] : 0);

    for (size_t i = 0; i < module.Patterns.size(); ++i)
        WritePattern(out, module.Patterns[i], module.Channels, i);
    for (size_t i = 0; i < module.Instruments.size(); ++i)
        WriteInstrument(out, module.Instruments[i], i);
    return out.Data();
}

void WriteModule(const std::string& path, const Module& module) {
    WriteFileBytes(path, SerializeModule(module));
}

}  // namespace xm
