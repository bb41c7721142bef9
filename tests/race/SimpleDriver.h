#pragma once
// A simple driver for a race on the headless game: the accelerator always held, steering a few
// rows ahead at the road's centre line and along the road where it bends, braking when a bend is
// near and the ship is too fast to turn in time.

#include <cstdint>

#include "DrivingRig.h"

class TSimpleDriver {
public:
    // Drives the race's ship by holding keys on the headless keyboard: the rig's, or a whole
    // game's.
    TSimpleDriver(const TRaceState& race, platform::HeadlessKeyboard& keys)
        : race_(race), keys_(keys) {}
    explicit TSimpleDriver(TDrivingRig& rig)
        : TSimpleDriver(rig.Race(), rig.Harness().Backend().Keys()) {}

    // Sets the held keys for the next frame.
    void Drive();

    // The map row under the ship's centre.
    int32_t ShipRow() const;

private:
    const TRaceState& race_;
    platform::HeadlessKeyboard& keys_;
};
