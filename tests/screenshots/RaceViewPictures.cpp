#include "DrivingRig.h"
#include "Pictures.h"
#include "SimpleDriver.h"

namespace {

constexpr int32_t Level1Length = 300;
constexpr int Level1Frames = 45 * 85;  // the level's time at 85 frames a second
constexpr uint32_t BendySeed = 14;     // a level-1 track with a bend early on
constexpr uint8_t BendsLeft = 3;       // row kinds
constexpr uint8_t BendsRight = 4;

}  // namespace

bool SaveRaceViewPictures(const std::filesystem::path& folder) {
    TDrivingRig rig{BendySeed, TDrivingRig::TMedia::Generated};
    rig.StartTrack(2, Level1Length);
    TSimpleDriver driver{rig};
    const TPlayer& ship = rig.Player();
    // Drives until done holds; false when the level's time ran out first.
    const auto driveUntil = [&](auto done) {
        return rig.FramesUntil(
            [&] {
                driver.Drive();
                return done();
            },
            Level1Frames);
    };
    const auto inABend = [&] {
        const uint8_t kind = rig.Race().TrackMap.RowKind(driver.ShipRow());
        return kind == BendsLeft || kind == BendsRight;
    };
    const auto save = [&](const char* name) {
        return rig.SaveScreenshot((folder / name).string());
    };

    if (!driveUntil([&] { return ship.EngineSpeed > 70; }) || !save("driving-straight.png"))
        return false;
    if (!driveUntil(inABend))
        return false;
    rig.Frames(20);  // turned along the bend
    if (!save("driving-bend.png") || !driveUntil([&] { return ship.Finished; }))
        return false;
    rig.Frames(12);
    return save("driving-finish.png");
}
