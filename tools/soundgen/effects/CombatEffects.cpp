// Hits, shots and explosions. The explosion is the loudest sound of the game; shots are
// quieter because six ships may fire every second.

#include <cmath>

#include "effects/Effects.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Oscillator.h"
#include "synth/Random.h"

namespace effects {

using namespace synth;

namespace {

// Sparse sharp clicks whose density falls over `span` seconds: debris, sparks, crackle.
Signal Crackle(double duration, double span, int count, uint64_t seed) {
    Signal out(SamplesFor(duration), 0.0f);
    Random random(seed);
    for (int c = 0; c < count; ++c) {
        const double at = span * std::pow(random.Uniform(0.0, 1.0), 1.8);  // crowded at the start
        const double level = random.Uniform(0.3, 1.0) * (1.0 - 0.7 * at / span);
        const size_t start = SamplesFor(at);
        StateVariableFilter colour;
        const double centre = random.Uniform(1500.0, 5000.0);
        for (size_t i = 0; i < SamplesFor(0.004) && start + i < out.size(); ++i) {
            const double t = SecondsAt(i);
            out[start + i] += static_cast<float>(level * std::exp(-t / 0.0008) *
                                                 colour.BandPass(random.Bipolar(), centre, 1.2));
        }
    }
    return out;
}

}  // namespace

Signal Bump() {
    // Hull against hull: a low thud falling from 95 to 55 Hz, a ring of inharmonic metal partials
    // that dies fast, and the scrape of the contact.
    const double duration = 0.2;  // s
    const double metalHz[] = {310.0, 737.0, 1190.0, 1730.0, 2470.0};
    Signal out(SamplesFor(duration));
    Random random(61);
    StateVariableFilter scrape;
    Oscillator thud;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = AttackDecay(t, 0.002, 0.045) * thud.Sine(Glide(t, 95.0, 55.0, 0.04));
        for (int m = 0; m < 5; ++m)
            sample += 0.22 / (1.0 + 0.3 * m) * AttackDecay(t, 0.0005, 0.05 - 0.007 * m) *
                      std::sin(kTwoPi * metalHz[m] * t + m);
        sample += 0.5 * AttackDecay(t, 0.0003, 0.006) * scrape.LowPass(random.Bipolar(), 3000.0);
        out[i] = static_cast<float>(sample);
    }
    FadeOut(out, 0.04);
    NormalizePeak(out, -4.0);
    return out;
}

Signal Explosion() {
    // A blast of noise whose brightness collapses from 6 kHz to 250 Hz, a boom falling from 70 to
    // 32 Hz, a long low rumble, and debris crackling through the first 0.8 s.
    const double duration = 1.35;  // s
    Signal out(SamplesFor(duration));
    Random random(62);
    StateVariableFilter blast, rumble;
    Oscillator boom;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double cutoff = Glide(t, 6000.0, 250.0, 0.18);
        double sample = AttackDecay(t, 0.004, 0.32) * blast.LowPass(random.Bipolar(), cutoff, 0.9);
        sample += 0.9 * AttackDecay(t, 0.006, 0.3) * boom.Sine(Glide(t, 70.0, 32.0, 0.25));
        sample += 6.0 * AttackDecay(t, 0.03, 0.5) * rumble.LowPass(random.Bipolar(), 120.0, 0.7);
        out[i] = static_cast<float>(sample);
    }
    MixInto(out, Crackle(duration, 0.8, 45, 63), 0, 0.6f);
    out.resize(SamplesFor(duration));
    FadeIn(out, 0.002);
    FadeOut(out, 0.25);
    NormalizePeak(out, -1.0);
    return out;
}

Signal LaserShot() {
    // The classic zap: a hollow pulse and a sine falling fast from 2.2 kHz towards 280 Hz, a
    // second voice a little sharp for thickness.
    const double duration = 0.19;  // s
    Signal out(SamplesFor(duration));
    Oscillator pulse, sine, twin;
    StateVariableFilter soften;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double hz = Glide(t, 2200.0, 280.0, 0.04);
        const double tone =
            0.55 * pulse.Square(hz, 0.3) + 0.6 * sine.Sine(hz) + 0.3 * twin.Saw(hz * 1.012);
        out[i] = static_cast<float>(AttackDecay(t, 0.001, 0.055) *
                                    soften.LowPass(static_cast<float>(tone), 6000.0));
    }
    FadeOut(out, 0.03);
    NormalizePeak(out, -8.0);
    return out;
}

Signal SuperShot() {
    // A heavier bolt: a crack, three detuned saws diving from 900 to 90 Hz through a closing
    // filter, and a sub-bass punch under it.
    const double duration = 0.56;  // s
    Signal out(SamplesFor(duration));
    Random random(64);
    Oscillator saws[3], sub;
    StateVariableFilter body, crack;
    const double detune[] = {0.988, 1.0, 1.013};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double hz = Glide(t, 900.0, 90.0, 0.12);
        double stack = 0.0;
        for (int s = 0; s < 3; ++s)
            stack += saws[s].Saw(hz * detune[s]);
        double sample = 0.5 * AttackDecay(t, 0.002, 0.16) *
                        body.LowPass(static_cast<float>(stack), Glide(t, 8000.0, 600.0, 0.12), 1.2);
        sample += 0.7 * AttackDecay(t, 0.0005, 0.005) * crack.HighPass(random.Bipolar(), 1500.0);
        sample += 0.8 * AttackDecay(t, 0.004, 0.12) * sub.Sine(Glide(t, 110.0, 40.0, 0.08));
        out[i] = static_cast<float>(sample);
    }
    FadeOut(out, 0.1);
    NormalizePeak(out, -3.0);
    return out;
}

Signal Impact() {
    // A hit: a burst of mid-range noise, crackling sparks and a small thump.
    const double duration = 0.22;  // s
    Signal out(SamplesFor(duration));
    Random random(65);
    StateVariableFilter burst;
    Oscillator thump;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = AttackDecay(t, 0.001, 0.03) * burst.BandPass(random.Bipolar(), 1800.0, 0.8);
        sample += 0.6 * AttackDecay(t, 0.002, 0.025) * thump.Sine(Glide(t, 140.0, 70.0, 0.03));
        out[i] = static_cast<float>(sample);
    }
    MixInto(out, Crackle(duration, 0.15, 14, 66), 0, 0.7f);
    out.resize(SamplesFor(duration));
    FadeOut(out, 0.04);
    NormalizePeak(out, -5.0);
    return out;
}

}  // namespace effects
