// The rules' own sine, cosine and arc tangent: as close to the true values as the C library's,
// and a random draw whose numbers are pinned, so that every standard library gives the same game.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "engine/PortableMath.h"
#include "engine/Random.h"

namespace {

// Every quadrant and octant edge, the headings the rules meet (whole and fractional 1/256 turns,
// several turns either way) and arguments far outside them.
TEST(PortableMath, AgreesWithTheLibraryEverywhereTheRulesLook) {
    constexpr double Tolerance = 4e-16;
    for (double units = -2048; units <= 2048; units += 0.37) {
        const double radians = units * 0.0245436953125;
        ASSERT_NEAR(PortableSin(radians), std::sin(radians), Tolerance) << units;
        ASSERT_NEAR(PortableCos(radians), std::cos(radians), Tolerance) << units;
    }
    for (double k = -8; k <= 8; ++k) {
        EXPECT_NEAR(PortableSin(k * std::numbers::pi / 4), std::sin(k * std::numbers::pi / 4),
                    Tolerance);
        EXPECT_NEAR(PortableCos(k * std::numbers::pi / 4), std::cos(k * std::numbers::pi / 4),
                    Tolerance);
    }
    for (double x = -30; x <= 30; x += 0.0173)
        ASSERT_NEAR(PortableAtan(x), std::atan(x), Tolerance) << x;
    for (double x : {0.4375, 0.6875, 1.1875, 2.4375, 1e-9, 1e9, 1e301, -1e301})
        EXPECT_NEAR(PortableAtan(x), std::atan(x), Tolerance) << x;
    EXPECT_NEAR(PortableSin(1e5), std::sin(1e5), 1e-12);
}

// mt19937's raw numbers are fixed by the standard and the bounded draw is ours: these are the
// numbers on every standard library. A change here changes every replay: bump the rules version.
TEST(PortableRandom, DrawsThePinnedNumbersWithinTheirBounds) {
    TRandom random(1);
    std::vector<int32_t> drawn;
    for (int32_t n : {10, 10, 10, 1000, 2, 7, 1})
        drawn.push_back(random.Random(n));
    EXPECT_EQ(drawn, (std::vector<int32_t>{5, 9, 4, 368, 1, 6, 0}));
    EXPECT_EQ(random.Random(0), 0);
    EXPECT_EQ(random.Random(-5), 0);
    for (int i = 0; i < 1000; ++i) {
        const int32_t big = random.Random(INT32_MAX);
        ASSERT_GE(big, 0);
        ASSERT_LT(big, INT32_MAX);
    }
    // A game reseeded with a seed plays as one that started from it.
    const uint32_t seed = random.NextSeed();
    random.Reseed(seed);
    TRandom fresh(seed);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(random.Random(1 << 30), fresh.Random(1 << 30));
}

}  // namespace
