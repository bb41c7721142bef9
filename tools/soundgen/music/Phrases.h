#pragma once
// Writing musical material onto a timeline from short texts that read like a score.
//
// Step texts give one character per row (a sixteenth note); spaces and '|' are only for the eye.
// Melody texts give notes with lengths in rows: "A5:3 C6:3 E6:2 r:4".

#include <string_view>
#include <vector>

#include "music/Timeline.h"

namespace music {

using Progression = std::vector<std::string_view>;  // one chord symbol per bar

// Drum hits, the steps repeated over `bars` bars from bar `bar`: 'x' accent, 'o' normal,
// 'g' ghost, '.' nothing. note is the MIDI note the drum is struck at (60 plays it as recorded).
void Rhythm(Timeline& timeline, int channel, int instrument, int bar, int bars,
            std::string_view steps, int note = 60);

// A melody of `bars` bars from bar `bar`: "<note>:<rows>" plays the note for that many rows,
// "r:<rows>" rests (the sounding note is released). A note is released where it ends unless the
// next one starts there. Throws std::invalid_argument on a malformed token or when the lengths do
// not add up to exactly `bars` bars, which would shift everything after a slip.
void Melody(Timeline& timeline, int channel, int instrument, int bar, int bars,
            std::string_view phrase, int volume);

// A part that follows the chords, one bar of steps applied to each chord of the progression:
// '0'..'9' the chord tone of that index counted up from the root (ChordTone, root in the octave
// from floor), 'O' the root an octave up, '-' hold, '.' release. A bass line or an arpeggio.
void ChordPart(Timeline& timeline, int channel, int instrument, int bar, const Progression& chords,
               std::string_view steps, int floor, int volume);

// Sustained chords, one per bar, voiced in close position from floor on `voices` channels
// starting at firstChannel, released at the end of the progression.
void Pads(Timeline& timeline, int firstChannel, int voices, int instrument, int bar,
          const Progression& chords, int floor, int volume);

// The tracker's echo: the notes of channel `from` over `bars` bars from `bar`, repeated on
// channel `to` delayRows later at volumeScale of their volume.
void Echo(Timeline& timeline, int from, int to, int bar, int bars, int delayRows,
          double volumeScale);

}  // namespace music
