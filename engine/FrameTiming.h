#pragma once
// Frame timing that all movement and timers use. Speeds are stated per frame at 85 frames per
// second and multiplied by FrameFactor; timers count down by FrameTime.

#include <cstdint>

struct TFrameTiming {
    int32_t FrameTime = 15;    // whole ms per frame
    double FrameFactor = 1.0;  // 85 / frames per second
};

// The measured frame rate is used only while it is clearly below the refresh rate
// (frameRate < refreshRate - 3) or slightly above it (refreshRate < frameRate <= refreshRate + 2);
// otherwise the refresh rate is taken. A refresh rate of 0 or 1 counts as 60 Hz.
TFrameTiming ComputeFrameTiming(int32_t frameRate, int32_t refreshRate);
