#pragma once
// The filters the effects are shaped with. Cutoffs are in Hz and may change every sample.

namespace synth {

// First-order low-pass: a gentle 6 dB per octave tilt.
class OnePole {
public:
    float LowPass(float input, double cutoffHz);

private:
    float state_ = 0.0f;
};

// Topology-preserving state-variable filter: 12 dB per octave, stays stable and click-free while
// its cutoff sweeps, which the whooshes, zaps and the explosion rely on.
class StateVariableFilter {
public:
    struct Output {
        float low, band, high;
    };
    // resonance is Q: 0.5 is soft, 0.707 flat, above 2 rings.
    Output Process(float input, double cutoffHz, double resonance);
    float LowPass(float input, double cutoffHz, double resonance = 0.707) {
        return Process(input, cutoffHz, resonance).low;
    }
    float BandPass(float input, double cutoffHz, double resonance) {
        return Process(input, cutoffHz, resonance).band;
    }
    float HighPass(float input, double cutoffHz, double resonance = 0.707) {
        return Process(input, cutoffHz, resonance).high;
    }

private:
    double band_ = 0.0, low_ = 0.0;
};

}  // namespace synth
