#pragma once
// A ship's driving values from its ratings and its engine speed v (engine units; 160 is the top
// speed of the fastest ship). Rates are per frame at FrameFactor 1.

#include <cstdint>

// The top speed is 160 x this, in engine units (1.0 for ship 2).
double TopSpeedFactor(int32_t shipType);
// Engine units gained per frame with the accelerator held; 0.3 at most, and 0.3 with nitro.
double Acceleration(int32_t shipType, double engineSpeed, bool nitro);
// Engine units lost per frame with the brake held.
double BrakeDeceleration(int32_t shipType);
// Engine units lost per frame with neither pedal held; a reversing ship keeps its speed.
double CoastDrag(int32_t shipType, double engineSpeed, bool nitro);
// Steering in 1/512 turn per frame, 0.8 at most; grows with speed when reversing.
double TurnRate(int32_t shipType, double engineSpeed);
