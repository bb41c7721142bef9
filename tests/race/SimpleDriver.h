#pragma once
// A simple driver for the driving rig: the accelerator always held, steering a few rows ahead at
// the road's centre line and along the road where it bends, braking when a bend is near and the
// ship is too fast to turn in time.

#include <cstdint>

#include "DrivingRig.h"

class TSimpleDriver {
public:
    explicit TSimpleDriver(TDrivingRig& rig) : rig_(rig) {}

    // Sets the held keys for the next frame.
    void Drive();

    // The map row under the ship's centre.
    int32_t ShipRow() const;

private:
    void Set(uint16_t key, bool held);

    TDrivingRig& rig_;
};
