// Whole level-1 tracks driven headless from the start line to a stop past the finish by a simple
// driver, a different ship on each track.

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "DrivingRig.h"
#include "SimpleDriver.h"

namespace {
constexpr int32_t Level1Length = 300;
constexpr int Level1Frames = 45 * 85;  // the level's time at 85 frames a second
constexpr int CoastingFrames = 400;
}  // namespace

TEST(LevelRun, Level1TracksAreFinishedInTimeWithoutACrash) {
    for (int32_t shipType = 1; shipType <= 5; ++shipType) {
        const uint32_t seed = static_cast<uint32_t>(shipType) * 7;
        SCOPED_TRACE("ship " + std::to_string(shipType) + ", seed " + std::to_string(seed));
        TDrivingRig rig(seed);
        rig.StartTrack(shipType, Level1Length);
        rig.Race().Projectiles.AsteroidTimer =
            std::numeric_limits<int32_t>::max();  // the road only
        TSimpleDriver driver(rig);
        const TPlayer& ship = rig.Player();
        const auto driveUntil = [&](auto done, int maxFrames) {
            return rig.FramesUntil(
                [&] {
                    driver.Drive();
                    return done();
                },
                maxFrames);
        };
        EXPECT_TRUE(driveUntil([&] { return ship.Finished; }, Level1Frames));
        EXPECT_TRUE(driveUntil([&] { return ship.EngineSpeed == 0; }, CoastingFrames));
        EXPECT_EQ(rig.Race().Lives, 3);
        EXPECT_EQ(ship.Energy, 4);
        EXPECT_FALSE(ship.Destroyed);
    }
}
