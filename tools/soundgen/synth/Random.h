#pragma once
// Deterministic pseudo-random numbers, so that a seed always gives the same sound.

#include <cstdint>

#include "synth/Signal.h"

namespace synth {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    // xorshift64*: plenty for noise, and identical on every platform.
    uint64_t Next();
    double Uniform(double low, double high);  // [low, high)
    float Bipolar() { return static_cast<float>(Uniform(-1.0, 1.0)); }

private:
    uint64_t state_;
};

// count samples of white noise in [-1, 1).
Signal WhiteNoise(size_t count, uint64_t seed);

}  // namespace synth
