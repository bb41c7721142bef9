#include "synth/Filters.h"

#include <algorithm>
#include <cmath>

#include "synth/Signal.h"

namespace synth {
namespace {

// Keeps a sweep that overshoots from folding past Nyquist.
double ClampCutoff(double cutoffHz) {
    return std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate);
}

}  // namespace

float OnePole::LowPass(float input, double cutoffHz) {
    const double coefficient = 1.0 - std::exp(-kTwoPi * ClampCutoff(cutoffHz) / kSampleRate);
    state_ += static_cast<float>(coefficient) * (input - state_);
    return state_;
}

StateVariableFilter::Output StateVariableFilter::Process(float input, double cutoffHz,
                                                         double resonance) {
    const double g = std::tan(kPi * ClampCutoff(cutoffHz) / kSampleRate);
    const double k = 1.0 / std::max(resonance, 0.05);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - low_;
    const double v1 = a1 * band_ + a2 * v3;
    const double v2 = low_ + a2 * band_ + a3 * v3;
    band_ = 2.0 * v1 - band_;
    low_ = 2.0 * v2 - low_;
    return {static_cast<float>(v2), static_cast<float>(v1),
            static_cast<float>(input - k * v1 - v2)};
}

}  // namespace synth
