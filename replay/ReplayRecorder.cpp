#include "replay/ReplayRecorder.h"

#include <utility>

void TReplayRecorder::Begin(const TReplayStart& start) {
    replay_ = TReplay{};
    replay_.Start = start;
    // Ten levels at 85 frames a second take about 100 000 frames; growing past that is rare.
    replay_.Frames.reserve(1u << 17);
    pendingEvents_ = 0;
    recording_ = true;
}

// Events beyond the per-frame bound cannot come from a person; they are not kept, so the file
// stays readable.
void TReplayRecorder::AddEvent(const platform::InputEvent& event) {
    if (!recording_ || !IsRecordedEvent(event.Kind) || pendingEvents_ >= MaxReplayEventsPerFrame)
        return;
    replay_.Events.push_back(event);
    ++pendingEvents_;
}

void TReplayRecorder::AddFrame(const TReplayFrame& frame, uint16_t frameRateInForce,
                               uint16_t refreshInForce) {
    if (!recording_ || replay_.Frames.size() >= MaxReplayFrames)
        return;
    if (replay_.Frames.empty()) {
        replay_.Start.FrameRate = frameRateInForce;
        replay_.Start.RefreshRate = refreshInForce;
    }
    TReplayFrame& added = replay_.Frames.emplace_back(frame);
    added.EventCount = pendingEvents_;
    pendingEvents_ = 0;
}

TReplay TReplayRecorder::Snapshot(const TReplayResult& result) const {
    TReplay replay = replay_;
    replay.Events.resize(replay.Events.size() - pendingEvents_);
    replay.Result = result;
    return replay;
}

TReplay TReplayRecorder::Finish(const TReplayResult& result) {
    replay_.Events.resize(replay_.Events.size() - pendingEvents_);
    pendingEvents_ = 0;
    replay_.Result = result;
    recording_ = false;
    return std::move(replay_);
}
