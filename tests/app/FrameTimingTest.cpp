// Frame timing: the rule that picks the measured rate or the refresh rate, the timer that
// measures frames per second, and what the frame loop makes of both.

#include <gtest/gtest.h>

#include "engine/FrameTiming.h"
#include "harness/GameHarness.h"
#include "platform/FrameTimer.h"

namespace {

TEST(FrameTimingRule, FollowsTheRefreshRateUntilAFrameRateIsMeasured) {
    const TFrameTiming timing = ComputeFrameTiming(0, 60);
    EXPECT_DOUBLE_EQ(timing.FrameFactor, 85.0 / 60);
    EXPECT_EQ(timing.FrameTime, 16);
}

TEST(FrameTimingRule, UsesTheMeasuredRateOnlyWhenClearlyBelowOrSlightlyAboveTheRefresh) {
    struct Case {
        int frameRate;
        int expectedRate;
    };
    for (const Case c : {Case{57, 60}, Case{56, 56}, Case{60, 60}, Case{61, 61}, Case{62, 62},
                         Case{63, 60}, Case{200, 60}}) {
        const TFrameTiming timing = ComputeFrameTiming(c.frameRate, 60);
        EXPECT_DOUBLE_EQ(timing.FrameFactor, 85.0 / c.expectedRate) << "F = " << c.frameRate;
        EXPECT_EQ(timing.FrameTime, 1000 / c.expectedRate) << "F = " << c.frameRate;
    }
    EXPECT_EQ(ComputeFrameTiming(56, 60).FrameTime, 17);
}

TEST(FrameTimingRule, ARefreshRateOfZeroOrOneCountsAsSixty) {
    for (int refresh : {0, 1}) {
        EXPECT_EQ(ComputeFrameTiming(0, refresh).FrameTime, 16);
        EXPECT_DOUBLE_EQ(ComputeFrameTiming(0, refresh).FrameFactor, 85.0 / 60);
        EXPECT_EQ(ComputeFrameTiming(57, refresh).FrameTime, 16);
        EXPECT_EQ(ComputeFrameTiming(40, refresh).FrameTime, 25);
    }
}

TEST(FrameTimer, MeasuresOverPeriodsOfAtLeastOneSecond) {
    platform::FrameTimer timer(0);
    int frames = 0;
    uint64_t now = 0;
    while (now < 990) {
        now += 10;
        EXPECT_EQ(timer.Tick(now), 10);
        ++frames;
    }
    EXPECT_EQ(timer.FrameRate(), 0);  // 990 ms: the first period has not ended
    now += 10;
    timer.Tick(now);  // exactly 1000 ms, 100 frames: the period ends
    EXPECT_EQ(timer.FrameRate(), 100);
    while (now < 2020)  // 34 frames of 30 ms: the next period ends after 1020 ms
        timer.Tick(now += 30);
    EXPECT_EQ(timer.FrameRate(), 33);
    EXPECT_EQ(timer.Tick(now), 1);  // never less than 1 ms
}

TEST(FrameTimer, ReactivationRestartsBothTheLagAndTheMeasuringPeriod) {
    platform::FrameTimer timer(0);
    for (uint64_t now = 16; now <= 1008; now += 16)
        timer.Tick(now);
    const int before = timer.FrameRate();
    ASSERT_GT(before, 55);
    // A minute away: the first frame back counts from the reactivation, and the pause does not
    // enter the measured rate.
    timer.Reactivate(61000);
    EXPECT_EQ(timer.Tick(61016), 16);
    for (uint64_t now = 61032; now <= 62100; now += 16)
        timer.Tick(now);
    EXPECT_EQ(timer.FrameRate(), before);
}

TEST(FrameLoop, FramesRunOnlyWhileFocusedAndNotMinimised) {
    GameHarness game;
    const int frames = game.Backend().Screen().FrameCount();
    game.Frame();
    EXPECT_EQ(game.Backend().Screen().FrameCount(), frames + 1);

    game.Send({.Kind = platform::EventKind::FocusLost});
    game.Frames(3);
    game.Send({.Kind = platform::EventKind::FocusGained});
    game.Frame();
    game.Send({.Kind = platform::EventKind::Minimized});
    game.Frames(3);
    EXPECT_EQ(game.Backend().Screen().FrameCount(), frames + 2);
}

TEST(FrameLoop, SixtyHertzFramesSettleOnTheRefreshRate) {
    GameHarness game;
    game.Frames(70, 16);  // 62.5 frames a second: within 60 + 2 after rounding, 1000 / 62 = 16
    EXPECT_EQ(game.Form().Timing.FrameTime, 16);
    game.Frames(100, 25);  // 40 frames a second over a whole period: clearly below, so measured
    EXPECT_EQ(game.Form().Timing.FrameTime, 25);
    EXPECT_DOUBLE_EQ(game.Form().Timing.FrameFactor, 85.0 / 40);
}

}  // namespace
