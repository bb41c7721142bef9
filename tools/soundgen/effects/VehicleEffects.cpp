// The ship's other held sounds: the handbrake skid, the horn and the nitro roar. Each is one
// seamless loop: tones complete whole cycles over the loop, noise is filtered circularly, and the
// start sits in a dip that recurs through the loop as part of the texture.

#include <cmath>
#include <vector>

#include "effects/Effects.h"
#include "synth/Filters.h"
#include "synth/Periodic.h"
#include "synth/Random.h"

namespace effects {

using namespace synth;

namespace {

// A tone whose pitch wanders along `wobble` (relative, e.g. 0.04 = 4 %), with harmonics of the
// given levels; it completes whole cycles over the loop.
Signal WanderingTone(double hz, const Signal& wobble, double depth,
                     const std::vector<float>& harmonics) {
    std::vector<double> frequency(wobble.size());
    for (size_t i = 0; i < wobble.size(); ++i)
        frequency[i] = hz * (1.0 + depth * wobble[i]);
    const std::vector<double> phase = LoopPhase(frequency);
    Signal tone(wobble.size(), 0.0f);
    for (size_t i = 0; i < tone.size(); ++i) {
        for (size_t h = 0; h < harmonics.size(); ++h) {
            double cycles = phase[i] * static_cast<double>(h + 1);
            cycles -= std::floor(cycles);
            tone[i] += harmonics[h] * static_cast<float>(std::sin(kTwoPi * cycles));
        }
    }
    return tone;
}

}  // namespace

Signal HandbrakeSkid() {
    // A squeal near 1.25 kHz whose pitch and strength judder, over a bright friction hiss,
    // chattering 40 times a second as the pads grab and slip.
    const size_t length = SamplesFor(1.0);
    const Signal pitchWobble = PeriodicWobble(length, 23, 71);
    Signal squealDrift = PeriodicWobble(length, 97, 72);
    for (size_t i = 0; i < length; ++i)
        squealDrift[i] = pitchWobble[i] + 0.25f * squealDrift[i];
    Signal loop = WanderingTone(1250.0, squealDrift, 0.035, {1.0f, 0.35f, 0.15f});
    const Signal strength = PeriodicWobble(length, 17, 73);
    for (size_t i = 0; i < length; ++i)
        loop[i] *= 0.65f + 0.35f * strength[i];
    SetRms(loop, 1.0);

    StateVariableFilter hissBand;
    Signal hiss = ProcessCircular(WhiteNoise(length, 74),
                                  [&](float x) { return hissBand.BandPass(x, 3600.0, 0.7); });
    SetRms(hiss, 1.0);
    MixInto(loop, hiss, 0, 0.6f);

    SoftenLoopStart(loop, 40, 0.004);
    FitLoudness(loop, -19.0, -3.0);
    return loop;
}

Signal Horn() {
    // Two buzzing reeds a just major third apart (352.8 and 441 Hz, 4:5 over 88.2 Hz), each
    // voiced through a brassy resonance near 2.4 kHz. Both repeat every 500 samples, so the loop
    // holds 88 whole periods and the soft start recurs once per period as part of the tone.
    const int periodSamples = 500;
    const int periodsPerLoop = 88;
    const size_t length = static_cast<size_t>(periodSamples * periodsPerLoop);
    std::vector<Partial> partials;
    for (int reed : {4, 5}) {
        for (int harmonic = 1;; ++harmonic) {
            const double hz = 88.2 * reed * harmonic;
            if (hz > 9000.0)
                break;
            const double brass = 1.0 + 2.0 * std::exp(-std::pow((hz - 2400.0) / 700.0, 2.0)) +
                                 0.6 * std::exp(-std::pow((hz - 900.0) / 300.0, 2.0));
            const double level = brass / std::pow(harmonic, 0.8);
            partials.push_back({static_cast<double>(periodsPerLoop * reed * harmonic),
                                static_cast<float>(level), 0.0});
        }
    }
    Signal loop = SumOfPartials(length, partials);
    SoftenLoopStart(loop, periodsPerLoop, 0.003);
    FitLoudness(loop, -17.0, -3.0);
    return loop;
}

Signal NitroRoar() {
    // A jet's roar: deep filtered noise that surges, a hiss on top, a turbine whine that wavers,
    // and the engine's hum underneath, fluttering 40 times a second like a flame.
    const size_t length = SamplesFor(1.4);
    StateVariableFilter deep, chest, hissBand;
    Signal loop = ProcessCircular(WhiteNoise(length, 91), [&](float x) {
        return deep.LowPass(x, 700.0, 0.8) + 3.0f * chest.BandPass(x, 180.0, 1.5);
    });
    const Signal surge = PeriodicWobble(length, 30, 92);
    for (size_t i = 0; i < length; ++i)
        loop[i] *= 0.8f + 0.2f * surge[i];
    SetRms(loop, 1.0);

    Signal hiss = ProcessCircular(WhiteNoise(length, 93),
                                  [&](float x) { return hissBand.BandPass(x, 4200.0, 2.0); });
    SetRms(hiss, 1.0);
    MixInto(loop, hiss, 0, 0.25f);
    Signal whine = WanderingTone(1870.0, PeriodicWobble(length, 11, 94), 0.012, {1.0f, 0.0f, 0.3f});
    SetRms(whine, 1.0);
    MixInto(loop, whine, 0, 0.2f);
    Signal hum = SumOfPartials(length, {{182.0, 1.0f}, {364.0, 0.5f}});  // 130 and 260 Hz
    SetRms(hum, 1.0);
    MixInto(loop, hum, 0, 0.35f);

    SoftenLoopStart(loop, 56, 0.004);
    FitLoudness(loop, -16.0, -2.0);
    return loop;
}

}  // namespace effects
