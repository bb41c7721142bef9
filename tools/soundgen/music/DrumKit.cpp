// The drum kit of both songs. Each drum is a one-shot sample at the generator's own rate,
// "recorded" at middle C, so pattern note C-4 plays it exactly as synthesised.

#include <cmath>

#include "music/InstrumentKit.h"
#include "music/Instruments.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Oscillator.h"
#include "synth/Random.h"

namespace music {

using namespace synth;

namespace {

xm::Instrument Drum(const std::string& name, Signal wave, int volume) {
    FadeOut(wave, 0.01);
    xm::Instrument instrument;
    instrument.Name = name;
    instrument.Wave = OneShotSample(name, {std::move(wave), 60.0}, volume);
    return instrument;
}

// A body that drops in pitch as it decays: kicks and toms.
Signal Thump(double seconds, double fromHz, double toHz, double pitchTau, double decay,
             double click) {
    Signal wave(SamplesFor(seconds));
    Oscillator body;
    Random random(7);
    StateVariableFilter edge;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = AttackDecay(t, 0.001, decay) * body.Sine(Glide(t, fromHz, toHz, pitchTau));
        sample += click * AttackDecay(t, 0.0002, 0.003) * edge.LowPass(random.Bipolar(), 4000.0);
        wave[i] = static_cast<float>(sample);
    }
    return wave;
}

// Six detuned square waves, high-passed: the metallic sizzle of hats and cymbals.
Signal Metal(double seconds, double decay, double highPassHz, uint64_t seed) {
    const double ratios[] = {263.0, 400.0, 531.0, 588.0, 807.0, 1031.0};
    Signal wave(SamplesFor(seconds));
    Oscillator squares[6];
    Random random(seed);
    StateVariableFilter ring, air;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        double metal = 0.0;
        for (int s = 0; s < 6; ++s)
            metal += squares[s].Square(ratios[s] * 1.7);
        const double sizzle = ring.BandPass(static_cast<float>(metal / 6.0), 9000.0, 1.0) +
                              0.6 * air.HighPass(random.Bipolar(), highPassHz);
        wave[i] = static_cast<float>(AttackDecay(t, 0.0005, decay) * sizzle);
    }
    return wave;
}

}  // namespace

xm::Instrument Kick() {
    return Drum("kick", Thump(0.45, 170.0, 48.0, 0.03, 0.16, 0.5), 64);
}

xm::Instrument SoftKick() {
    return Drum("soft kick", Thump(0.6, 95.0, 44.0, 0.05, 0.22, 0.0), 56);
}

xm::Instrument Tom() {
    return Drum("tom", Thump(0.5, 190.0, 130.8, 0.06, 0.18, 0.2), 52);
}

xm::Instrument Snare() {
    // A drum head at 190 Hz under a burst of bright snare wires.
    Signal wave(SamplesFor(0.35));
    Oscillator head;
    Random random(21);
    StateVariableFilter wires;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = 0.7 * AttackDecay(t, 0.001, 0.05) * head.Sine(Glide(t, 240.0, 190.0, 0.02));
        sample += AttackDecay(t, 0.001, 0.1) * wires.Process(random.Bipolar(), 4200.0, 0.6).high;
        wave[i] = static_cast<float>(sample);
    }
    return Drum("snare", std::move(wave), 50);
}

xm::Instrument Clap() {
    // Several hands a few milliseconds apart, then the room.
    Signal wave(SamplesFor(0.3));
    Random random(22);
    StateVariableFilter band;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        double level = 0.0;
        for (double hand : {0.0, 0.011, 0.02, 0.031})
            level += AttackDecay(t - hand, 0.0005, 0.004);
        level += 0.5 * AttackDecay(t - 0.031, 0.002, 0.07);
        wave[i] = static_cast<float>(level * band.BandPass(random.Bipolar(), 1300.0, 1.1));
    }
    return Drum("clap", std::move(wave), 46);
}

xm::Instrument ClosedHat() {
    return Drum("closed hat", Metal(0.12, 0.022, 7000.0, 23), 34);
}

xm::Instrument OpenHat() {
    return Drum("open hat", Metal(0.6, 0.17, 6500.0, 24), 30);
}

xm::Instrument Crash() {
    Signal wave = Metal(2.0, 0.7, 4000.0, 25);
    FadeIn(wave, 0.002);
    return Drum("crash", std::move(wave), 36);
}

xm::Instrument Shaker() {
    // Beads: soft-edged high noise, quickly gone.
    Signal wave(SamplesFor(0.12));
    Random random(26);
    StateVariableFilter beads;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        wave[i] = static_cast<float>(AttackDecay(t, 0.012, 0.03) *
                                     beads.BandPass(random.Bipolar(), 6500.0, 1.5));
    }
    return Drum("shaker", std::move(wave), 28);
}

xm::Instrument Rim() {
    // A wooden click with a short hollow ring.
    Signal wave(SamplesFor(0.12));
    Oscillator ring;
    Random random(27);
    StateVariableFilter edge;
    for (size_t i = 0; i < wave.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = AttackDecay(t, 0.0003, 0.012) * ring.Sine(1650.0);
        sample += 0.5 * AttackDecay(t, 0.0002, 0.002) * edge.HighPass(random.Bipolar(), 2500.0);
        wave[i] = static_cast<float>(sample);
    }
    return Drum("rim", std::move(wave), 30);
}

}  // namespace music
