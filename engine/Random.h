#pragma once
// The game's one random generator: uniform integers 0..n-1, seeded once.

#include <cstdint>
#include <random>

class TRandom {
public:
    explicit TRandom(uint32_t seed) : generator_(seed) {}
    // 0..n-1; 0 when n <= 0.
    int32_t Random(int32_t n) {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int32_t>(0, n - 1)(generator_);
    }

private:
    std::mt19937 generator_;
};
