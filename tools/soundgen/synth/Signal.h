#pragma once
// Mono sample buffers at the generator's single rate, and the level tools every sound uses.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace synth {

constexpr int kSampleRate = 44100;  // Hz, for every effect and every instrument sample
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// Full scale is +-1.0; ToPcm16 maps it to +-32767.
using Signal = std::vector<float>;

inline size_t SamplesFor(double seconds) {
    return static_cast<size_t>(seconds * kSampleRate + 0.5);
}
inline double SecondsAt(size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

double DbToGain(double decibels);
double GainToDb(double gain);

// Adds gain * source into target starting at offset, growing target when source runs past it.
void MixInto(Signal& target, const Signal& source, size_t offset, float gain = 1.0f);

float Peak(const Signal& signal);
// Root mean square of [begin, end), clamped to the signal; 0 for an empty range.
float Rms(const Signal& signal, size_t begin, size_t end);
inline float Rms(const Signal& signal) {
    return Rms(signal, 0, signal.size());
}

void Scale(Signal& signal, float gain);
// Scales the whole signal so that its peak sits at peakDbfs (dB below full scale, e.g. -3).
void NormalizePeak(Signal& signal, double peakDbfs);

// Scales the signal to the given RMS (1.0 = a full-scale square wave), so that layers built in
// different ways can be mixed at levels that mean something.
void SetRms(Signal& signal, double rms);

// Scales the signal to an average level of rmsDbfs, or less if its peak would pass peakCeilingDbfs.
// Continuous sounds (engines, the horn) are matched by average level, which is what the ear
// compares when one replaces another.
void FitLoudness(Signal& signal, double rmsDbfs, double peakCeilingDbfs);

// Raised-cosine ramps at either end, so that a one-shot starts and stops without a click.
void FadeIn(Signal& signal, double seconds);
void FadeOut(Signal& signal, double seconds);

// Rounds to 16-bit PCM. Throws std::range_error when a sample lies beyond full scale: a level
// that clips is a design fault of the sound, never something to hide by clamping.
std::vector<int16_t> ToPcm16(const Signal& signal);

}  // namespace synth
