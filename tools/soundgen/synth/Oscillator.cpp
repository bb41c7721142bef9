#include "synth/Oscillator.h"

#include <cmath>

#include "synth/Signal.h"

namespace synth {
namespace {

// Polynomial band-limited step: smooths the jump of a saw or square over one sample each side.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

void Oscillator::Advance(double frequencyHz) {
    phase_ += frequencyHz / kSampleRate;
    phase_ -= std::floor(phase_);
}

float Oscillator::Sine(double frequencyHz) {
    const double value = std::sin(kTwoPi * phase_);
    Advance(frequencyHz);
    return static_cast<float>(value);
}

float Oscillator::Saw(double frequencyHz) {
    const double dt = frequencyHz / kSampleRate;
    const double value = 2.0 * phase_ - 1.0 - PolyBlep(phase_, dt);
    Advance(frequencyHz);
    return static_cast<float>(value);
}

float Oscillator::Square(double frequencyHz, double pulseWidth) {
    const double dt = frequencyHz / kSampleRate;
    double value = phase_ < pulseWidth ? 1.0 : -1.0;
    value += PolyBlep(phase_, dt);
    double shifted = phase_ + 1.0 - pulseWidth;
    shifted -= std::floor(shifted);
    value -= PolyBlep(shifted, dt);
    value -= 2.0 * pulseWidth - 1.0;  // a narrow pulse would otherwise carry a DC offset
    Advance(frequencyHz);
    return static_cast<float>(value);
}

}  // namespace synth
