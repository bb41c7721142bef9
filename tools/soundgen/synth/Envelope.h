#pragma once
// Level and pitch curves over time. Times are in seconds, levels 0..1, frequencies in Hz.

#include <cmath>

namespace synth {

// Rises linearly over attack, then decays exponentially with time constant decay.
inline double AttackDecay(double t, double attack, double decay) {
    if (t < 0.0)
        return 0.0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Exponential sweep from `from` at t = 0 to `to` at t = duration, held beyond.
inline double Sweep(double t, double duration, double from, double to) {
    const double progress = std::fmin(std::fmax(t / duration, 0.0), 1.0);
    return from * std::pow(to / from, progress);
}

// Approaches `to` from `from` with time constant tau: the fall of a zap or a thud.
inline double Glide(double t, double from, double to, double tau) {
    return to + (from - to) * std::exp(-t / tau);
}

// 0 -> 1 -> 0 over duration, peaking at peakAt (0..1 of duration), smooth at both ends.
inline double Swell(double t, double duration, double peakAt) {
    const double x = t / duration;
    if (x <= 0.0 || x >= 1.0)
        return 0.0;
    const double half = x < peakAt ? x / peakAt : (1.0 - x) / (1.0 - peakAt);
    return 0.5 - 0.5 * std::cos(3.14159265358979323846 * half);
}

}  // namespace synth
