#include "platform/FrameTimer.h"

#include <algorithm>
#include <cmath>

namespace platform {

int FrameTimer::Tick(uint64_t nowMs) {
    const uint64_t elapsed = nowMs > lastMs_ ? nowMs - lastMs_ : 0;
    lastMs_ = nowMs;
    ++framesInPeriod_;
    const uint64_t period = nowMs > periodStartMs_ ? nowMs - periodStartMs_ : 0;
    if (period >= 1000) {
        frameRate_ = static_cast<int>(std::nearbyint(framesInPeriod_ * 1000.0 / period));
        framesInPeriod_ = 0;
        periodStartMs_ = nowMs;
    }
    return static_cast<int>(std::clamp<uint64_t>(elapsed, 1, INT32_MAX));
}

void FrameTimer::Reactivate(uint64_t nowMs) {
    lastMs_ = nowMs;
    periodStartMs_ = nowMs;
    framesInPeriod_ = 0;
}

}  // namespace platform
