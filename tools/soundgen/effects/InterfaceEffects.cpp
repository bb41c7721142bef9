// Sounds of the menus and the race's counters: short, clean and a little quieter than the race,
// because the player hears them many times in a row.

#include <cmath>

#include "effects/Effects.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Oscillator.h"
#include "synth/Random.h"

namespace effects {

using namespace synth;

Signal IntroWhoosh() {
    // A band of noise sweeping up from 250 Hz to 5 kHz under the fade-in, with a high D major
    // chord sparkling in note by note; the menu tune is in D, so the shimmer leads into it.
    const double duration = 1.0;  // s
    Signal out(SamplesFor(duration));
    Random random(11);
    StateVariableFilter band;
    const double sparkleHz[] = {1174.66, 1479.98, 1760.0, 2217.46, 2637.02};  // D6 F#6 A6 C#7 E7
    Oscillator sparkles[5];
    Oscillator body;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double rise = Swell(t, duration, 0.72);
        const double centre = Sweep(std::pow(t / duration, 1.4), 1.0, 250.0, 5000.0);
        double sample = 0.9 * band.BandPass(random.Bipolar(), centre, 1.3) * rise;
        for (int note = 0; note < 5; ++note) {
            const double entry = 0.12 + 0.11 * note;  // s
            const double level = t < entry ? 0.0 : Swell(t - entry, duration - entry, 0.35);
            const double tremolo = 0.6 + 0.4 * std::sin(kTwoPi * (9.0 + 2.0 * note) * t);
            sample += 0.09 * level * tremolo * sparkles[note].Sine(sparkleHz[note]);
        }
        sample += 0.1 * Swell(t, duration, 0.6) * body.Sine(73.42);  // D2 underneath
        out[i] = static_cast<float>(sample);
    }
    FadeIn(out, 0.01);
    FadeOut(out, 0.05);
    NormalizePeak(out, -5.0);
    return out;
}

Signal HighlightTick() {
    // A soft, high wooden tick: two damped partials and a breath of noise on the edge.
    const double duration = 0.030;  // s
    Signal out(SamplesFor(duration));
    Random random(12);
    StateVariableFilter air;
    Oscillator low, high;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double level = AttackDecay(t, 0.0006, 0.0055);
        double sample = level * (low.Sine(2350.0) + 0.35 * high.Sine(3720.0));
        sample += 0.3 * AttackDecay(t, 0.0002, 0.0008) * air.HighPass(random.Bipolar(), 3000.0);
        out[i] = static_cast<float>(sample);
    }
    FadeOut(out, 0.008);
    NormalizePeak(out, -13.0);
    return out;
}

Signal Click() {
    // A firm "tock": a bright edge, then a body that drops from 1.5 kHz to 700 Hz, and a lower
    // knock that gives it weight.
    const double duration = 0.065;  // s
    Signal out(SamplesFor(duration));
    Random random(13);
    StateVariableFilter edge;
    Oscillator body, knock;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        double sample =
            0.5 * AttackDecay(t, 0.0002, 0.0012) * edge.HighPass(random.Bipolar(), 2000.0);
        sample += AttackDecay(t, 0.0008, 0.012) * body.Sine(Glide(t, 1500.0, 700.0, 0.008));
        sample += 0.6 * AttackDecay(t, 0.0015, 0.018) * knock.Sine(420.0);
        out[i] = static_cast<float>(sample);
    }
    FadeOut(out, 0.015);
    NormalizePeak(out, -7.0);
    return out;
}

Signal ShipSwish() {
    // Air rushing past: noise through a resonant band that sweeps up and settles, swelling and
    // fading, with a faint rising blip so it reads as "next" rather than as wind.
    const double duration = 0.24;  // s
    Signal out(SamplesFor(duration));
    Random random(14);
    StateVariableFilter band;
    Oscillator blip;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double centre =
            t < 0.14 ? Sweep(t, 0.14, 600.0, 3200.0) : Sweep(t - 0.14, 0.1, 3200.0, 1800.0);
        double sample = band.BandPass(random.Bipolar(), centre, 2.0) * Swell(t, duration, 0.4);
        sample += 0.12 * Swell(t, 0.16, 0.3) * blip.Sine(Sweep(t, 0.16, 880.0, 1320.0));
        out[i] = static_cast<float>(sample);
    }
    FadeOut(out, 0.02);
    NormalizePeak(out, -9.0);
    return out;
}

Signal CountdownTick() {
    // A short, sharp A6 beep. Ten of them may come every second during the time bonus, so it is
    // gone after 55 ms and each repeat is heard whole.
    const double duration = 0.055;  // s
    Signal out(SamplesFor(duration));
    StateVariableFilter tone;
    Oscillator square;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        const double level = AttackDecay(t, 0.0005, 0.014);
        out[i] = static_cast<float>(level * tone.LowPass(square.Square(1760.0), 5000.0));
    }
    FadeOut(out, 0.012);
    NormalizePeak(out, -8.0);
    return out;
}

}  // namespace effects
