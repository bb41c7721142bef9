// Screenshots of the race view with the game's own pictures, for people to look at: the ship on
// a straight, in a bend and at the finish line. They land in screenshots/ in the working folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "DrivingRig.h"
#include "SimpleDriver.h"

namespace {

constexpr int32_t Level1Length = 300;
constexpr int Level1Frames = 45 * 85;
constexpr uint32_t BendySeed = 14;

class RaceView : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder);
        rig.StartTrack(2, Level1Length);
    }
    // Drives until done holds; false when the level's time ran out first.
    template <class Done>
    bool DriveUntil(Done done) {
        return rig.FramesUntil(
            [&] {
                driver.Drive();
                return done();
            },
            Level1Frames);
    }
    uint8_t RowKindUnderShip() { return rig.Race().TrackMap.RowKind(driver.ShipRow()); }

    const std::string Folder = "screenshots";
    TDrivingRig rig{BendySeed, TDrivingRig::TMedia::Generated};
    TSimpleDriver driver{rig};
};

}  // namespace

TEST_F(RaceView, ShipOnAStraightInABendAndAtTheFinish) {
    const TPlayer& ship = rig.Player();
    ASSERT_TRUE(DriveUntil([&] { return ship.EngineSpeed > 70; }));
    EXPECT_EQ(RowKindUnderShip(), 1);
    EXPECT_TRUE(rig.SaveScreenshot(Folder + "/driving-straight.png"));

    ASSERT_TRUE(DriveUntil([&] { return RowKindUnderShip() == 3 || RowKindUnderShip() == 4; }));
    rig.Frames(20);
    EXPECT_NE(ship.Heading, 0) << "turned along the bend";
    EXPECT_TRUE(rig.SaveScreenshot(Folder + "/driving-bend.png"));

    ASSERT_TRUE(DriveUntil([&] { return ship.Finished; }));
    rig.Frames(12);
    EXPECT_TRUE(rig.SaveScreenshot(Folder + "/driving-finish.png"));
    EXPECT_FALSE(ship.Destroyed);
}
