#pragma once
// A phase-accumulating oscillator whose frequency may change every sample (pitch sweeps), with
// band-limited saw and square waves so that high notes do not alias into whistles.

namespace synth {

class Oscillator {
public:
    // Each call returns the wave at the current phase, then advances by frequencyHz.
    float Sine(double frequencyHz);
    float Saw(double frequencyHz);
    float Square(double frequencyHz, double pulseWidth = 0.5);

private:
    void Advance(double frequencyHz);
    double phase_ = 0.0;  // cycles, 0..1
};

}  // namespace synth
