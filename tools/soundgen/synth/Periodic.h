#pragma once
// Signals that repeat exactly over a loop's length, and the tools that make a looping effect
// seamless. A looping effect loops as a whole sample, so its last sample must lead into its first
// as smoothly as any two neighbours, and its start must be soft because the game restarts it often.

#include <cstdint>
#include <vector>

#include "synth/Signal.h"

namespace synth {

struct Partial {
    double cyclesPerLoop;  // a whole number, or the partial would jump at the seam
    float amplitude;
    double phase = 0.0;  // cycles at the loop's start
};

// Sum of sines over `length` samples.
Signal SumOfPartials(size_t length, const std::vector<Partial>& partials);

// Runs step (float -> float, with its own filter state) over input twice and keeps the second
// pass. A recursive filter then starts the second pass in the state the loop's end left it in,
// so filtered noise or a modulated filter repeats without a seam.
template <class Step>
Signal ProcessCircular(const Signal& input, Step&& step) {
    for (float sample : input)
        step(sample);
    Signal output(input.size());
    for (size_t i = 0; i < input.size(); ++i)
        output[i] = step(input[i]);
    return output;
}

// Adds gain * grain into loop at position, wrapping whatever runs past the end to the start.
void AddWrapped(Signal& loop, const Signal& grain, size_t position, float gain);

// A smooth random curve through `knots` evenly spaced random values in [-1, 1], the last knot
// leading back into the first: slow wobbles of pitch, level or brightness inside a loop.
Signal PeriodicWobble(size_t length, int knots, uint64_t seed);

// Phase in cycles, sample by sample, of an oscillator that follows frequencyHz; the frequencies
// are scaled by the tiny factor that makes the loop hold a whole number of cycles.
std::vector<double> LoopPhase(const std::vector<double>& frequencyHz);

// A tone that glides up (or down) by one octave every loop and never gets anywhere: a stack of
// octave partials fading in at one end and out at the other. The lowest partial starts near
// lowestHz; it is nudged so that each partial's phase meets the next one's at the seam.
Signal EndlessGlide(size_t length, double lowestHz, int octaves, bool rising);

// Moves the loop's start to its quietest moment and dips the level to zero there, and at the
// same point of each of dipsPerLoop equal periods (a firing, a stick-slip, a wave cycle), so the
// dip repeats as part of the sound's texture rather than as a gap once per loop.
void SoftenLoopStart(Signal& loop, int dipsPerLoop, double dipSeconds);

}  // namespace synth
