#pragma once
// The replay file (docs/replay-format.md): a small header, then the frames compressed with zlib.
// The reader checks every length, count and value, and refuses another rules version outright.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "replay/Replay.h"

class EReplayError : public std::runtime_error {
public:
    enum class TKind {
        Damaged,       // not a replay, truncated, or a value out of range
        RulesVersion,  // a replay of another rules version
    };
    EReplayError(TKind kind, const std::string& message)
        : std::runtime_error(message), Kind(kind) {}
    TKind Kind;
};

// Longest name or country a replay holds; the game's own are at most 16 characters.
constexpr size_t MaxReplayTextLength = 32;

std::string EncodeReplay(const TReplay& replay);
// Throws EReplayError saying what is wrong.
TReplay DecodeReplay(std::string_view bytes);
