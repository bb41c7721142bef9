#include "engine/FrameTiming.h"

#include "engine/Rounding.h"

namespace {
TFrameTiming FromRate(int32_t framesPerSecond) {
    return {Trunc(1000.0 / framesPerSecond), 85.0 / framesPerSecond};
}
}  // namespace

TFrameTiming ComputeFrameTiming(int32_t frameRate, int32_t refreshRate) {
    const int32_t r = refreshRate <= 1 ? 60 : refreshRate;
    const int32_t f = frameRate;
    TFrameTiming timing = f > 0 ? FromRate(f) : FromRate(r);
    if ((r - 3 <= f && f <= r) || f > r + 2) timing = FromRate(r);
    return timing;
}
