#include <gtest/gtest.h>

#include "server/RateLimiter.h"

namespace {

TEST(RateLimiter, CountsEachAddressWithinItsClockMinute) {
    world::TRateLimiter limiter(2);
    const int64_t minute = 60 * 1000;
    EXPECT_TRUE(limiter.Allow("10.0.0.1", minute));
    EXPECT_TRUE(limiter.Allow("10.0.0.1", minute + 59));
    EXPECT_FALSE(limiter.Allow("10.0.0.1", minute + 59));
    EXPECT_TRUE(limiter.Allow("10.0.0.2", minute + 59));  // another address has its own count
    EXPECT_TRUE(limiter.Allow("10.0.0.1", minute + 60));  // the next minute starts afresh
    world::TRateLimiter unlimited(0);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(unlimited.Allow("10.0.0.1", minute));
}

}  // namespace
