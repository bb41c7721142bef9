#include "engine/FrameTiming.h"

#include "engine/Rounding.h"

namespace {
// FrameTime never drops below 1 ms, so no timer of the game can stop counting down.
TFrameTiming FromRate(int32_t framesPerSecond) {
    const int32_t frameTime = Trunc(1000.0 / framesPerSecond);
    return {frameTime < 1 ? 1 : frameTime, 85.0 / framesPerSecond};
}
}  // namespace

TFrameTiming ComputeFrameTiming(int32_t frameRate, int32_t refreshRate) {
    const int32_t r = refreshRate <= 1 ? 60 : refreshRate;
    const int32_t f = frameRate;
    TFrameTiming timing = f > 0 ? FromRate(f) : FromRate(r);
    if ((r - 3 <= f && f <= r) || f > r + 2)
        timing = FromRate(r);
    return timing;
}
