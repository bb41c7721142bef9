#include "synth/Random.h"

namespace synth {

uint64_t Random::Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

double Random::Uniform(double low, double high) {
    const double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
    return low + (high - low) * unit;
}

Signal WhiteNoise(size_t count, uint64_t seed) {
    Random random(seed);
    Signal noise(count);
    for (float& sample : noise)
        sample = random.Bipolar();
    return noise;
}

}  // namespace synth
