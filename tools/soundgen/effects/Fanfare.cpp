// The congratulations fanfare after the last level: a brass section in C major, three quick
// calls, a rising answer and a long final chord over a timpani hit and a cymbal, about 3 s in
// all, so it ends just before the 3.2 s dialog closes.

#include <algorithm>
#include <cmath>
#include <vector>

#include "effects/Effects.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Oscillator.h"
#include "synth/Random.h"

namespace effects {

using namespace synth;

namespace {

double MidiHz(int note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// One brass voice: two slightly detuned saws through a filter that opens with the note's swell,
// which is what makes a synthesised saw sound blown rather than buzzed; vibrato after 0.25 s.
Signal BrassNote(double hz, double held, double release) {
    Signal note(SamplesFor(held + release));
    Oscillator a, b;
    StateVariableFilter lip;
    for (size_t i = 0; i < note.size(); ++i) {
        const double t = SecondsAt(i);
        double level = std::min(1.0, t / 0.03) * (0.75 + 0.25 * std::exp(-t / 0.08));
        if (t > held)
            level *= std::exp(-(t - held) / (release / 4.0));
        const double vibrato =
            1.0 + 0.004 * std::min(1.0, std::max(0.0, t - 0.25) / 0.3) * std::sin(kTwoPi * 5.5 * t);
        const double tone = a.Saw(hz * vibrato * 0.9975) + b.Saw(hz * vibrato * 1.0025);
        const double cutoff = std::min(12000.0, hz * (1.5 + 7.0 * level));
        note[i] = static_cast<float>(level * lip.LowPass(static_cast<float>(tone), cutoff, 0.8));
    }
    return note;
}

struct Chord {
    double start, held;      // s
    std::vector<int> notes;  // MIDI note numbers
};

}  // namespace

Signal Fanfare() {
    const double duration = 3.0;  // s
    const std::vector<Chord> score = {
        {0.00, 0.11, {55, 60, 64, 67}},              // C: ta
        {0.15, 0.11, {55, 60, 64, 67}},              //    ta
        {0.30, 0.11, {55, 60, 64, 67}},              //    ta
        {0.45, 0.38, {48, 60, 64, 67, 72}},          //    taaa, up to C5
        {0.90, 0.12, {57, 60, 65, 69}},              // F/A
        {1.05, 0.12, {55, 62, 67, 71}},              // G
        {1.20, 1.45, {48, 55, 60, 64, 67, 72, 76}},  // C, held to the end
    };
    Signal out(SamplesFor(duration), 0.0f);
    for (const Chord& chord : score) {
        const bool last = &chord == &score.back();
        const double release = last ? 0.3 : 0.06;
        for (int note : chord.notes) {
            // The top voice leads; lower voices sit back.
            const float level = note == chord.notes.back() ? 0.5f : 0.3f;
            MixInto(out, BrassNote(MidiHz(note), chord.held, release), SamplesFor(chord.start),
                    level);
        }
    }

    // Timpani on the long notes, and a cymbal that blooms under the final chord.
    Random random(81);
    StateVariableFilter shimmer;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = SecondsAt(i);
        double drum = 0.0;
        for (double hit : {0.45, 1.2})
            drum += AttackDecay(t - hit, 0.003, 0.25) *
                    std::sin(kTwoPi * Glide(t - hit, 75.0, 65.4, 0.05) * (t - hit));
        const double cymbal =
            AttackDecay(t - 1.2, 0.004, 0.6) * shimmer.HighPass(random.Bipolar(), 6000.0);
        out[i] += static_cast<float>(0.9 * drum + 0.25 * cymbal);
    }
    out.resize(SamplesFor(duration));
    FadeIn(out, 0.002);
    FadeOut(out, 0.4);
    NormalizePeak(out, -2.0);
    return out;
}

}  // namespace effects
