#pragma once
// The frame timer: milliseconds since the previous frame, and frames per second measured over
// periods of at least one second. Pure: the caller passes the clock's reading.

#include <cstdint>

namespace platform {

class FrameTimer {
public:
    explicit FrameTimer(uint64_t nowMs) : lastMs_(nowMs), periodStartMs_(nowMs) {}

    // One frame at nowMs: returns lagCount, the ms since the previous frame (at least 1).
    int Tick(uint64_t nowMs);

    // The application became active again: the next lag counts from now, and the measuring
    // period starts again so that the pause never enters the frame rate.
    void Reactivate(uint64_t nowMs);

    // Round(frames x 1000 / period length) of the last finished period; 0 before the first.
    int FrameRate() const { return frameRate_; }

private:
    uint64_t lastMs_;
    uint64_t periodStartMs_;
    int framesInPeriod_ = 0;
    int frameRate_ = 0;
};

}  // namespace platform
