// The cache of rendered texts: one picture per distinct text and look, least recently used first
// out.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/TextCache.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class TextCacheTest : public testing::Test {
protected:
    // Renders a 1 x 1 picture and counts the renders, so a test sees hits and misses.
    TCachedText Render() {
        ++renders;
        const platform::PixelImage dot{1, 1, {0xFFFFFFFF}};
        return {display.BackSurface().CreatePicture(dot), 0};
    }
    const platform::Picture* Get(TTextCache& cache, const TTextKey& key) {
        return cache.Get(key, [this] { return Render(); }).Picture.get();
    }

    platform::HeadlessDisplay display;
    int renders = 0;
};

TTextKey Key(const std::string& text) {
    return {"Nimbus Sans", 14, false, 0xFFFFFF, text};
}

TEST_F(TextCacheTest, TheSameTextIsRenderedOnceAndGivesTheSamePicture) {
    TTextCache cache(4);
    const platform::Picture* first = Get(cache, Key("Score"));
    EXPECT_EQ(Get(cache, Key("Score")), first);
    EXPECT_EQ(renders, 1);
    EXPECT_EQ(cache.Count(), 1u);
}

TEST_F(TextCacheTest, ACountingScoreNeverGrowsItPastItsCapacity) {
    TTextCache cache(3);
    for (int score = 0; score < 100; ++score)
        Get(cache, Key(std::to_string(score)));
    EXPECT_EQ(cache.Count(), 3u);
    EXPECT_EQ(renders, 100);
    // The last three are still there.
    Get(cache, Key("97"));
    Get(cache, Key("98"));
    Get(cache, Key("99"));
    EXPECT_EQ(renders, 100);
}

TEST_F(TextCacheTest, TheLeastRecentlyUsedTextGoesFirst) {
    TTextCache cache(2);
    Get(cache, Key("Place"));
    Get(cache, Key("Name"));
    Get(cache, Key("Place"));  // "Name" is now the older
    Get(cache, Key("Score"));  // evicts "Name"
    EXPECT_EQ(renders, 3);
    Get(cache, Key("Place"));
    EXPECT_EQ(renders, 3);
    Get(cache, Key("Name"));
    EXPECT_EQ(renders, 4);
}

TEST_F(TextCacheTest, ARenderThatFailsLeavesTheCacheAsItWas) {
    TTextCache cache(1);
    const platform::Picture* kept = Get(cache, Key("Pause"));
    EXPECT_THROW(
        cache.Get(Key("Game Over"), []() -> TCachedText { throw std::runtime_error("no"); }),
        std::runtime_error);
    EXPECT_EQ(cache.Count(), 1u);
    EXPECT_EQ(Get(cache, Key("Pause")), kept);
    EXPECT_EQ(renders, 1);
}

}  // namespace
