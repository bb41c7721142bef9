// Feeds arbitrary bytes to the replay reader: it either refuses them with EReplayError or returns
// a replay that writes back to a file reading the same, within the bounds the re-run relies on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "replay/ReplayFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TReplay replay;
    try {
        replay = DecodeReplay(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const EReplayError&) {
        return 0;
    }
    size_t events = 0;
    for (const TReplayFrame& frame : replay.Frames) {
        if (frame.EventCount > MaxReplayEventsPerFrame)
            __builtin_trap();
        events += frame.EventCount;
    }
    if (replay.Frames.size() > MaxReplayFrames || events != replay.Events.size() ||
        replay.RulesVersion != ReplayRulesVersion)
        __builtin_trap();
    if (!(DecodeReplay(EncodeReplay(replay)) == replay))
        __builtin_trap();
    return 0;
}
