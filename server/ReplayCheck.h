#pragma once
// The verdict on one submitted replay: read it, re-run it with the game's own rules (headless,
// drawing nothing), and compare the result the re-run sends with the result that was sent.

#include <atomic>
#include <cstdint>
#include <string>

#include "resultcode/ResultMessage.h"
#include "server/ResultStore.h"

namespace world {

struct TVerdict {
    TVerification State = TVerification::Rejected;
    std::string Reason;  // why it was rejected; empty when verified
};

struct TReplayLimits {
    // A ten-level game takes well under 2 s here; a paused one runs cheaply. Past this, the
    // replay is rejected, whatever it holds.
    double MaxCpuSeconds = 20;
    uint64_t MaxFrames = 1'000'000;
};

// The verdict, or Pending when stop turned true before the re-run ended (the server is stopping:
// the replay is re-run at its next start).
TVerdict CheckReplay(const TReplayJob& job, const TReplayLimits& limits,
                     const std::atomic<bool>& stop);

}  // namespace world
