#pragma once
// The game's one random generator: uniform integers 0..n-1, seeded once, and again at the start of
// every game so that a game is re-created from its seed alone (replays).
//
// std::mt19937's sequence is fixed by the standard; std::uniform_int_distribution is not (each
// standard library maps the raw numbers to a range its own way), so the bounded draw is ours:
// rejection of the raw values in the incomplete last block, then the remainder.

#include <cstdint>
#include <random>

class TRandom {
public:
    explicit TRandom(uint32_t seed) : generator_(seed) {}
    // 0..n-1; 0 when n <= 0.
    int32_t Random(int32_t n) {
        if (n <= 0)
            return 0;
        const auto range = static_cast<uint32_t>(n);
        // The largest multiple of range that fits in 2^32 values: raw values at or above it would
        // favour the low results.
        const uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
        uint32_t raw = 0;
        do {
            raw = static_cast<uint32_t>(generator_());
        } while (raw > limit);
        return static_cast<int32_t>(raw % range);
    }
    // A seed for a new game, drawn from this generator's own sequence.
    uint32_t NextSeed() { return static_cast<uint32_t>(generator_()); }
    void Reseed(uint32_t seed) { generator_.seed(seed); }

private:
    std::mt19937 generator_;
};
