// The pitched instruments of both songs. Sustained ones are loops built from partials that each
// complete whole cycles over the loop, so the loop is seamless by construction; detuned copies
// differ by a cycle or two per loop, which is what gives pads their slow, wide chorus.

#include <cmath>
#include <vector>

#include "music/InstrumentKit.h"
#include "music/Instruments.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Periodic.h"
#include "synth/Random.h"

namespace music {

using namespace synth;

namespace {

struct ToneRecipe {
    double hz;                                // the note to synthesise at
    int cycles;                               // cycles of it per loop: sets the loop's length
    std::vector<int> detune;                  // each copy's extra cycles per loop
    double sawLevel, squareLevel, sineLevel;  // the mix of wave shapes per copy
    double brightnessHz;                      // a gentle two-pole roll-off from here up
    uint64_t seed;                            // phase of each copy
};

Recording StackedTone(const ToneRecipe& recipe) {
    const size_t length = static_cast<size_t>(std::lround(recipe.cycles * kSampleRate / recipe.hz));
    const double hz =
        recipe.cycles * static_cast<double>(kSampleRate) / static_cast<double>(length);
    Random random(recipe.seed);
    std::vector<Partial> partials;
    for (int extra : recipe.detune) {
        const double cycles = recipe.cycles + extra;
        const double offset = random.Uniform(0.0, 1.0);  // a time shift keeps each copy's shape
        for (int h = 1;; ++h) {
            const double partialHz = h * cycles * kSampleRate / static_cast<double>(length);
            if (partialHz > 12000.0)
                break;
            double level = recipe.sawLevel / h + (h % 2 == 1 ? recipe.squareLevel / h : 0.0);
            if (h == 1)
                level += recipe.sineLevel;
            level /= std::sqrt(1.0 + std::pow(partialHz / recipe.brightnessHz, 4.0));
            partials.push_back({h * cycles, static_cast<float>(level), h * offset});
        }
    }
    return {SumOfPartials(length, partials), MidiOf(hz)};
}

// A struck or plucked sound that dies away by itself; the envelope only holds it at full level
// so that a key-off fades it out over `release` instead of cutting it.
xm::Instrument Struck(const std::string& name, Recording recording, int volume, double release,
                      double tickSeconds) {
    xm::Instrument instrument;
    instrument.Name = name;
    instrument.Wave = OneShotSample(name, recording, volume);
    instrument.Volume.Points = {{0, 64}, {1, 64}};
    instrument.Volume.Sustain = 1;
    instrument.Fadeout = FadeoutFor(release, tickSeconds);
    return instrument;
}

xm::Instrument Held(const std::string& name, const Recording& recording, int volume,
                    xm::Envelope envelope, uint16_t fadeout) {
    xm::Instrument instrument;
    instrument.Name = name;
    instrument.Wave = LoopedSample(name, recording, volume);
    instrument.Volume = std::move(envelope);
    instrument.Fadeout = fadeout;
    return instrument;
}

// Delayed singer's vibrato: about 5.5 Hz, reaching full depth after `delay` seconds.
xm::AutoVibrato Vibrato(double delay, int depth, double tickSeconds) {
    return {.Type = 0,
            .Sweep = static_cast<uint8_t>(std::lround(delay / tickSeconds)),
            .Depth = static_cast<uint8_t>(depth),
            .Rate = static_cast<uint8_t>(std::lround(5.5 * 256.0 * tickSeconds))};
}

}  // namespace

xm::Instrument SawBass(double tickSeconds) {
    const Recording tone = StackedTone({.hz = 65.41,
                                        .cycles = 33,
                                        .detune = {0, 1},
                                        .sawLevel = 1.0,
                                        .squareLevel = 0.0,
                                        .sineLevel = 0.8,
                                        .brightnessHz = 900.0,
                                        .seed = 31});
    return Held("saw bass", tone, 50, HeldEnvelope(0.0, 0.25, 0.6, tickSeconds),
                FadeoutFor(0.08, tickSeconds));
}

xm::Instrument SubBass(double tickSeconds) {
    const Recording tone = StackedTone({.hz = 65.41,
                                        .cycles = 33,
                                        .detune = {0},
                                        .sawLevel = 0.12,
                                        .squareLevel = 0.0,
                                        .sineLevel = 1.0,
                                        .brightnessHz = 300.0,
                                        .seed = 32});
    return Held("sub bass", tone, 54, HeldEnvelope(0.03, 0.5, 0.85, tickSeconds),
                FadeoutFor(0.5, tickSeconds));
}

xm::Instrument SuperSawPad(double tickSeconds) {
    const Recording tone = StackedTone({.hz = 261.63,
                                        .cycles = 262,
                                        .detune = {-3, -1, 0, 1, 3},
                                        .sawLevel = 1.0,
                                        .squareLevel = 0.0,
                                        .sineLevel = 0.0,
                                        .brightnessHz = 2500.0,
                                        .seed = 33});
    return Held("supersaw pad", tone, 30, HeldEnvelope(0.25, 0.4, 0.8, tickSeconds),
                FadeoutFor(0.5, tickSeconds));
}

xm::Instrument WarmPad(double tickSeconds) {
    const Recording tone = StackedTone({.hz = 261.63,
                                        .cycles = 262,
                                        .detune = {-2, -1, 1, 2},
                                        .sawLevel = 1.0,
                                        .squareLevel = 0.0,
                                        .sineLevel = 0.6,
                                        .brightnessHz = 1100.0,
                                        .seed = 34});
    xm::Instrument pad = Held("warm pad", tone, 34, HeldEnvelope(1.2, 1.0, 0.85, tickSeconds),
                              FadeoutFor(1.5, tickSeconds));
    // A slow sway between left and right, about eight seconds a sweep, for space.
    const auto ticks = [&](double seconds) {
        return static_cast<uint16_t>(std::lround(seconds / tickSeconds));
    };
    pad.Panning.Points = {{0, 32}, {ticks(2.0), 20}, {ticks(6.0), 44}, {ticks(10.0), 20}};
    pad.Panning.LoopStart = 1;
    pad.Panning.LoopEnd = 3;
    return pad;
}

xm::Instrument PulseLead(double tickSeconds) {
    const Recording tone = StackedTone({.hz = 523.25,
                                        .cycles = 262,
                                        .detune = {0, 1},
                                        .sawLevel = 0.5,
                                        .squareLevel = 0.6,
                                        .sineLevel = 0.3,
                                        .brightnessHz = 3500.0,
                                        .seed = 35});
    xm::Instrument lead = Held("pulse lead", tone, 40, HeldEnvelope(0.01, 0.3, 0.8, tickSeconds),
                               FadeoutFor(0.25, tickSeconds));
    lead.Vibrato = Vibrato(0.3, 10, tickSeconds);
    return lead;
}

xm::Instrument GlassLead(double tickSeconds) {
    Recording tone = StackedTone({.hz = 523.25,
                                  .cycles = 262,
                                  .detune = {0},
                                  .sawLevel = 0.0,
                                  .squareLevel = 0.0,
                                  .sineLevel = 1.0,
                                  .brightnessHz = 4000.0,
                                  .seed = 36});
    // Add the 2nd..4th harmonics softly, and breath: noise around the second harmonic.
    const double cycles = 262.0;
    MixInto(tone.Wave,
            SumOfPartials(tone.Wave.size(),
                          {{2 * cycles, 0.25f}, {3 * cycles, 0.12f}, {4 * cycles, 0.05f}}),
            0);
    StateVariableFilter breathBand;
    const double hz = 440.0 * std::pow(2.0, (tone.Midi - 69.0) / 12.0);
    Signal breath = ProcessCircular(WhiteNoise(tone.Wave.size(), 37),
                                    [&](float x) { return breathBand.BandPass(x, 2.0 * hz, 4.0); });
    SetRms(breath, 0.05);
    MixInto(tone.Wave, breath, 0);
    xm::Instrument lead = Held("glass lead", tone, 40, HeldEnvelope(0.08, 0.4, 0.8, tickSeconds),
                               FadeoutFor(0.6, tickSeconds));
    lead.Vibrato = Vibrato(0.5, 8, tickSeconds);
    return lead;
}

xm::Instrument Pluck(double tickSeconds) {
    // A plucked string (Karplus-Strong): a burst of soft noise circulating through a delay of
    // one period, losing its highs on every pass.
    // Each new sample averages the ones 85 and 84 samples back: a period of 84.5 samples,
    // 521.9 Hz, a little below C5; the sample's tuning takes the difference.
    const int lineLength = 85;
    Signal wave(SamplesFor(0.7));
    Random random(38);
    OnePole soften;
    std::vector<float> line(static_cast<size_t>(lineLength));
    for (float& value : line)
        value = soften.LowPass(random.Bipolar(), 5000.0);
    for (size_t i = 0; i < wave.size(); ++i) {
        const size_t at = i % line.size();
        const float next = line[(i + 1) % line.size()];
        wave[i] = line[at];
        line[at] = 0.996f * 0.5f * (line[at] + next);
    }
    FadeIn(wave, 0.001);
    FadeOut(wave, 0.05);
    return Struck("pluck", {std::move(wave), MidiOf(kSampleRate / (lineLength - 0.5))}, 40, 0.1,
                  tickSeconds);
}

xm::Instrument Bell(double tickSeconds) {
    // Two-operator FM: a carrier at C5 bent by a modulator at the same pitch whose depth dies
    // away (the soft "tine" of an electric piano), plus a faster-dying 3.5x partial for shimmer.
    const double hz = 523.25;
    Signal wave(SamplesFor(2.0));
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        const double index = 0.3 + 2.2 * std::exp(-t / 0.4);
        const double tone = std::sin(kTwoPi * hz * t + index * std::sin(kTwoPi * hz * t));
        const double shimmer = 0.25 * std::exp(-t / 0.15) * std::sin(kTwoPi * 3.5 * hz * t);
        wave[i] = static_cast<float>(AttackDecay(t, 0.002, 0.8) * (tone + shimmer));
    }
    FadeOut(wave, 0.1);
    return Struck("bell", {std::move(wave), MidiOf(hz)}, 36, 0.4, tickSeconds);
}

}  // namespace music
