#include "replay/ReplayFile.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/ByteReader.h"
#include "race/LevelTables.h"
#include "race/ShipModels.h"

namespace {

constexpr std::string_view Magic = "ZVXREPLY";
constexpr uint16_t FormatVersion = 1;
// The most one frame's columns take unpacked: lag (5), keys (2), two rates (3 each), event count
// (2); and one event: kind, key (2), shift, character, x and y (5 each).
constexpr size_t MaxFrameBytes = 15;
constexpr size_t MaxEventBytes = 15;
constexpr size_t EventKindCount = static_cast<size_t>(platform::EventKind::Terminate) + 1;

class TWriter {
public:
    void U8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void U16(uint16_t value) {
        U8(static_cast<uint8_t>(value));
        U8(static_cast<uint8_t>(value >> 8));
    }
    void U32(uint32_t value) {
        U16(static_cast<uint16_t>(value));
        U16(static_cast<uint16_t>(value >> 16));
    }
    // Seven bits a byte, low first; the high bit says another byte follows.
    void VarU32(uint32_t value) {
        while (value >= 0x80) {
            U8(static_cast<uint8_t>(value | 0x80));
            value >>= 7;
        }
        U8(static_cast<uint8_t>(value));
    }
    void VarI32(int32_t value) {
        const auto bits = static_cast<uint32_t>(value);
        VarU32((bits << 1) ^ (value < 0 ? 0xFFFFFFFFu : 0u));
    }
    void Text(const std::string& text) {
        U8(static_cast<uint8_t>(text.size()));
        bytes_ += text;
    }
    void Raw(std::string_view bytes) { bytes_ += bytes; }
    std::string& Bytes() { return bytes_; }

private:
    std::string bytes_;
};

uint32_t ReadVarU32(ByteReader& reader, const char* what) {
    uint32_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
        const uint8_t byte = reader.U8();
        if (shift == 28 && byte > 0x0F)
            throw DataFormatError(std::string(what) + " is out of range");
        value |= static_cast<uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
    }
    throw DataFormatError(std::string(what) + " is out of range");
}

int32_t ReadVarI32(ByteReader& reader, const char* what) {
    const uint32_t bits = ReadVarU32(reader, what);
    return static_cast<int32_t>((bits >> 1) ^ (0u - (bits & 1u)));
}

uint16_t ReadVarU16(ByteReader& reader, const char* what) {
    const uint32_t value = ReadVarU32(reader, what);
    if (value > UINT16_MAX)
        throw DataFormatError(std::string(what) + " is out of range");
    return static_cast<uint16_t>(value);
}

std::string ReadText(ByteReader& reader, const char* what) {
    const uint8_t length = reader.U8();
    if (length > MaxReplayTextLength)
        throw DataFormatError(std::string(what) + " is too long");
    return reader.Text(length, what);
}

// The frames column by column (all lags, then all keys, ...): each column repeats itself a lot,
// which is what zlib is good at.
std::string PackFrames(const TReplay& replay) {
    TWriter out;
    for (const TReplayFrame& frame : replay.Frames)
        out.VarI32(frame.LagCount);
    for (const TReplayFrame& frame : replay.Frames)
        out.U16(frame.Keys);
    for (const TReplayFrame& frame : replay.Frames)
        out.VarU32(frame.FrameRate);
    for (const TReplayFrame& frame : replay.Frames)
        out.VarU32(frame.RefreshRate);
    for (const TReplayFrame& frame : replay.Frames)
        out.VarU32(frame.EventCount);
    for (const platform::InputEvent& event : replay.Events) {
        out.U8(static_cast<uint8_t>(event.Kind));
        out.U16(event.Key);
        out.U8(event.Shift);
        out.U8(static_cast<uint8_t>(event.Character));
        out.VarI32(event.X);
        out.VarI32(event.Y);
    }
    return std::move(out.Bytes());
}

void UnpackFrames(std::span<const uint8_t> bytes, uint32_t frameCount, TReplay& replay) {
    ByteReader in(bytes);
    replay.Frames.resize(frameCount);
    // The frame timer never measures less than 1 ms; the rules are never asked to run less.
    for (TReplayFrame& frame : replay.Frames) {
        frame.LagCount = ReadVarI32(in, "a frame's lag");
        if (frame.LagCount < 1)
            throw DataFormatError("a frame's lag is below 1 ms");
    }
    for (TReplayFrame& frame : replay.Frames)
        frame.Keys = in.U16();
    for (TReplayFrame& frame : replay.Frames)
        frame.FrameRate = ReadVarU16(in, "a frame rate");
    for (TReplayFrame& frame : replay.Frames)
        frame.RefreshRate = ReadVarU16(in, "a refresh rate");
    size_t eventCount = 0;
    for (TReplayFrame& frame : replay.Frames) {
        frame.EventCount = ReadVarU16(in, "a frame's event count");
        if (frame.EventCount > MaxReplayEventsPerFrame)
            throw DataFormatError("a frame has too many events");
        eventCount += frame.EventCount;
    }
    if (eventCount > MaxReplayFrames)
        throw DataFormatError("too many events");
    replay.Events.resize(eventCount);
    for (platform::InputEvent& event : replay.Events) {
        const uint8_t kind = in.U8();
        if (kind >= EventKindCount || !IsRecordedEvent(static_cast<platform::EventKind>(kind)))
            throw DataFormatError("an event of unknown kind");
        event.Kind = static_cast<platform::EventKind>(kind);
        event.Key = in.U16();
        event.Shift = in.U8();
        event.Character = static_cast<char>(in.U8());
        event.X = ReadVarI32(in, "an event's x");
        event.Y = ReadVarI32(in, "an event's y");
    }
    if (in.Left() != 0)
        throw DataFormatError("bytes after the last frame");
}

std::string Compress(const std::string& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress the replay");
    packed.resize(size);
    return packed;
}

std::vector<uint8_t> Decompress(std::span<const uint8_t> packed, uint32_t rawLength) {
    std::vector<uint8_t> raw(rawLength);
    uLongf size = rawLength;
    if (uncompress(raw.data(), &size, packed.data(), static_cast<uLong>(packed.size())) != Z_OK ||
        size != rawLength)
        throw DataFormatError("the frames do not unpack");
    return raw;
}

}  // namespace

std::string EncodeReplay(const TReplay& replay) {
    const std::string frames = PackFrames(replay);
    const std::string packed = Compress(frames);
    TWriter out;
    out.Raw(Magic);
    out.U16(FormatVersion);
    out.U32(replay.RulesVersion);
    out.U32(replay.Start.Seed);
    out.U8(static_cast<uint8_t>(replay.Start.Ship));
    out.U16(replay.Start.FrameRate);
    out.U16(replay.Start.RefreshRate);
    out.U32(static_cast<uint32_t>(replay.Start.QualifyScore));
    out.U16(replay.Start.HeldKeys);
    out.U8(
        static_cast<uint8_t>((replay.Start.ShiftHeld ? 1 : 0) | (replay.Start.CtrlHeld ? 2 : 0)));
    out.VarI32(replay.Start.MouseX);
    out.VarI32(replay.Start.MouseY);
    out.Text(replay.Start.PlayerName);
    out.Text(replay.Start.Country);
    out.Text(replay.Result.Name);
    out.U32(static_cast<uint32_t>(replay.Result.Score));
    out.U8(static_cast<uint8_t>(replay.Result.Levels));
    out.U32(static_cast<uint32_t>(replay.Frames.size()));
    out.U32(static_cast<uint32_t>(frames.size()));
    out.U32(static_cast<uint32_t>(packed.size()));
    out.Raw(packed);
    return std::move(out.Bytes());
}

TReplay DecodeReplay(std::string_view bytes) {
    using TKind = EReplayError::TKind;
    try {
        ByteReader in({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
        if (bytes.size() < Magic.size() || bytes.substr(0, Magic.size()) != Magic)
            throw EReplayError(TKind::Damaged, "not a Zorvex replay");
        (void)in.Bytes(Magic.size(), "the magic");
        const uint16_t format = in.U16();
        if (format != FormatVersion)
            throw EReplayError(TKind::Damaged, "a replay of format " + std::to_string(format) +
                                                   "; this version reads format " +
                                                   std::to_string(FormatVersion));
        TReplay replay;
        replay.RulesVersion = in.U32();
        if (replay.RulesVersion != ReplayRulesVersion)
            throw EReplayError(TKind::RulesVersion, "a replay of rules version " +
                                                        std::to_string(replay.RulesVersion) +
                                                        "; this version plays rules version " +
                                                        std::to_string(ReplayRulesVersion));
        replay.Start.Seed = in.U32();
        replay.Start.Ship = static_cast<int32_t>(in.U8());
        if (replay.Start.Ship < 1 || replay.Start.Ship > static_cast<int32_t>(ShipModels.size()))
            throw DataFormatError("no such ship");
        replay.Start.FrameRate = in.U16();
        replay.Start.RefreshRate = in.U16();
        replay.Start.QualifyScore = in.I32();
        replay.Start.HeldKeys = in.U16();
        const uint8_t modifiers = in.U8();
        if (modifiers > 3)
            throw DataFormatError("unknown modifier bits");
        replay.Start.ShiftHeld = (modifiers & 1) != 0;
        replay.Start.CtrlHeld = (modifiers & 2) != 0;
        replay.Start.MouseX = ReadVarI32(in, "the pointer's x");
        replay.Start.MouseY = ReadVarI32(in, "the pointer's y");
        replay.Start.PlayerName = ReadText(in, "the player's name");
        replay.Start.Country = ReadText(in, "the country");
        replay.Result.Name = ReadText(in, "the result's name");
        replay.Result.Score = in.I32();
        replay.Result.Levels = in.U8();
        if (replay.Result.Levels > LevelCount)
            throw DataFormatError("more levels than a game has");
        const uint32_t frameCount = in.U32In(0, MaxReplayFrames, "the frame count");
        // At most MaxReplayFrames events in all, so a hostile count asks for tens of megabytes
        // at the most.
        const size_t maxEvents =
            std::min<size_t>(size_t{frameCount} * MaxReplayEventsPerFrame, MaxReplayFrames);
        const size_t maxRaw = size_t{frameCount} * MaxFrameBytes + maxEvents * MaxEventBytes;
        const uint32_t rawLength = in.U32();
        if (rawLength > maxRaw)
            throw DataFormatError("the frames are longer than their count allows");
        const uint32_t packedLength = in.U32();
        if (packedLength != in.Left())
            throw DataFormatError(packedLength > in.Left() ? "the file is truncated"
                                                           : "bytes after the frames");
        const std::vector<uint8_t> raw =
            Decompress(in.Bytes(packedLength, "the frames"), rawLength);
        UnpackFrames(raw, frameCount, replay);
        return replay;
    } catch (const DataFormatError& error) {
        throw EReplayError(TKind::Damaged, std::string("a damaged replay: ") + error.what());
    }
}
