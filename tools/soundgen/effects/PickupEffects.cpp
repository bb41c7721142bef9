// Bonus pick-ups: a two-note chime for points, a rising arpeggio for power-ups. Both are bright
// and short so they cut through the race music without masking it.

#include <cmath>
#include <vector>

#include "effects/Effects.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Oscillator.h"

namespace effects {

using namespace synth;

namespace {

// A struck metal bar: a few partials, the higher ones dying first.
Signal ChimeNote(double hz, double duration, double decay) {
    struct Overtone {
        double ratio, level, decayScale;
    };
    const Overtone overtones[] = {
        {1.0, 1.0, 1.0}, {2.0, 0.45, 0.7}, {3.0, 0.18, 0.5}, {4.2, 0.08, 0.3}};
    Signal note(SamplesFor(duration));
    for (size_t i = 0; i < note.size(); ++i) {
        const double t = SecondsAt(i);
        double sample = 0.0;
        for (const Overtone& o : overtones)
            sample += o.level * AttackDecay(t, 0.001, decay * o.decayScale) *
                      std::sin(kTwoPi * hz * o.ratio * t);
        note[i] = static_cast<float>(sample);
    }
    return note;
}

// A soft-edged pulse note for the arpeggio: hollow, bright, and quick to speak.
Signal PulseNote(double hz, double duration, double decay) {
    Signal note(SamplesFor(duration));
    Oscillator pulse, body;
    StateVariableFilter soften;
    for (size_t i = 0; i < note.size(); ++i) {
        const double t = SecondsAt(i);
        const double tone = 0.6 * pulse.Square(hz, 0.25) + 0.5 * body.Sine(hz);
        note[i] = static_cast<float>(AttackDecay(t, 0.002, decay) *
                                     soften.LowPass(static_cast<float>(tone), 6000.0));
    }
    return note;
}

}  // namespace

Signal ScoreChime() {
    // B5 then E6: the rising fourth of a coin dropping into place.
    const double duration = 0.2;  // s
    Signal out(SamplesFor(duration), 0.0f);
    MixInto(out, ChimeNote(987.77, 0.06, 0.03), 0, 0.8f);
    MixInto(out, ChimeNote(1318.51, duration - 0.055, 0.07), SamplesFor(0.055));
    out.resize(SamplesFor(duration));
    FadeOut(out, 0.03);
    NormalizePeak(out, -6.0);
    return out;
}

Signal PowerUpArpeggio() {
    // C6 E6 G6 C7 E7, 65 ms apart, the top note left to ring: a power-up climbing into place.
    const double duration = 0.42;  // s
    const double notesHz[] = {1046.5, 1318.51, 1567.98, 2093.0, 2637.02};
    Signal out(SamplesFor(duration), 0.0f);
    for (int n = 0; n < 5; ++n) {
        const double start = 0.065 * n;
        const double decay = n == 4 ? 0.09 : 0.05;
        MixInto(out, PulseNote(notesHz[n], duration - start, decay), SamplesFor(start),
                n == 4 ? 1.0f : 0.8f);
    }
    out.resize(SamplesFor(duration));
    FadeOut(out, 0.05);
    NormalizePeak(out, -6.0);
    return out;
}

}  // namespace effects
