#pragma once
// Re-runs a replay where nobody watches: a fresh game on the headless backend, drawing nothing and
// touching no file, fed the replay's frames until it sends its result (TMForm::SentResult: the
// frame that starts sending sets it, whether the request then runs in the frame or beside it).
// What it sent is what the rules gave for that play, whatever the file claims.

#include <cstdint>
#include <functional>
#include <string>

#include "replay/Replay.h"

struct TRerunOutcome {
    enum class TEnd {
        Sent,        // the game sent its result
        NoResult,    // the frames ran out before it did
        OverBudget,  // the caller's budget (frames or CPU time) ran out first
        NoGameData,  // the game's data files could not be loaded
    };
    TEnd End = TEnd::NoResult;
    std::string ResultCode;  // the code of the result sent, when End is Sent
    TReplayResult Reached;   // name, score and level when the game stopped
    uint64_t FramesRun = 0;
};

// withinBudget is asked before every frame with the frames run so far; false stops the re-run.
TRerunOutcome RerunReplay(const TReplay& replay,
                          const std::function<bool(uint64_t framesRun)>& withinBudget);
