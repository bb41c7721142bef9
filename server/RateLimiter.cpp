#include "server/RateLimiter.h"

namespace world {

bool TRateLimiter::Allow(const std::string& address, int64_t unixSeconds) {
    if (PerMinute == 0)
        return true;
    const int64_t minute = unixSeconds / 60;
    const std::lock_guard lock(Mutex);
    if (minute != Minute) {
        Counts.clear();
        Minute = minute;
    }
    uint32_t& count = Counts[address];
    if (count >= PerMinute)
        return false;
    ++count;
    return true;
}

}  // namespace world
