#pragma once
// Records the game being played: its start, then each frame's reading and the window events
// delivered before it. Costs a few bytes and no allocation most frames.

#include <cstdint>

#include "replay/Replay.h"

class TReplayRecorder {
public:
    // Starts a new recording; events already pending belong to no game.
    void Begin(const TReplayStart& start);
    bool Recording() const { return recording_; }

    // A window event the game is about to handle; kept for the next frame.
    void AddEvent(const platform::InputEvent& event);
    // The frame about to run. ratesInForce are the frame rate and refresh rate whose timing the
    // frame starts with: the first frame's become the start's.
    void AddFrame(const TReplayFrame& frame, uint16_t frameRateInForce, uint16_t refreshInForce);

    // The game so far with the result it has reached.
    TReplay Snapshot(const TReplayResult& result) const;
    // The whole game, ended; recording stops.
    TReplay Finish(const TReplayResult& result);

private:
    bool recording_ = false;
    TReplay replay_;
    uint16_t pendingEvents_ = 0;  // at the end of replay_.Events, not yet given to a frame
};
