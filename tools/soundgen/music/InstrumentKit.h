#pragma once
// Turning synthesised waves into XM instruments: tuning, looping, envelopes counted in ticks.

#include <string>

#include "synth/Signal.h"
#include "xm/XmModule.h"

namespace music {

// A wave and the pitch it was synthesised at, as a MIDI note number that may be fractional
// (60 = middle C, 261.63 Hz). Drums are "recorded" at 60 so that C-4 plays them unchanged.
struct Recording {
    synth::Signal Wave;
    double Midi = 60.0;
};

double MidiOf(double hz);

// The wave as an XM sample tuned so that pattern note C-4 sounds at middle C (the writer's note
// n is MIDI note n + 11), peak-normalised so the 16 bits carry detail; the mix level is the
// sample volume. A looping sample loops as a whole.
xm::Sample OneShotSample(const std::string& name, const Recording& recording, int volume);
xm::Sample LoopedSample(const std::string& name, const Recording& recording, int volume);

// A volume envelope that rises over attack (0 = starts at full level), falls to sustain (0..1) over
// decay and holds there until key-off; release is then the instrument's fadeout. Times in seconds,
// counted in ticks of tickSeconds, the song's tick length.
xm::Envelope HeldEnvelope(double attack, double decay, double sustain, double tickSeconds);
uint16_t FadeoutFor(double releaseSeconds, double tickSeconds);

}  // namespace music
