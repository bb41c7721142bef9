#pragma once
// Plays a recorded game through a form: the game starts as it started, then each frame gets the
// window events delivered before it, the keys it polled and its timing, through the same frame
// as a game being played.

#include <cstddef>

#include "app/Zorvex_unit.h"
#include "replay/Replay.h"
#include "replay/ReplayKeyboard.h"

class TReplayRun {
public:
    // Starts the game; form has started up and replay outlives the run.
    TReplayRun(TMForm& form, const TReplay& replay);

    // Runs the next frame; false (and nothing run) when every frame has run.
    bool Step();
    size_t FramesRun() const { return frame_; }
    bool Finished() const { return frame_ >= replay_.Frames.size(); }

private:
    TMForm& form_;
    const TReplay& replay_;
    TReplayKeyboard keyboard_;
    size_t frame_ = 0;
    size_t event_ = 0;
};
