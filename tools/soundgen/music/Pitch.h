#pragma once
// Notes and chords as the songs are written: note names, chord symbols, and the chord tones a
// part plays. Pitches are MIDI note numbers: 60 is middle C (C4), 69 is A4 at 440 Hz.

#include <string_view>
#include <vector>

namespace music {

// "C4", "F#5", "Bb3" -> MIDI note number; throws std::invalid_argument on anything else.
int ParseNote(std::string_view name);

// The XM pattern note for a MIDI note: C-0 (MIDI 12) is 1, middle C is 49. Throws
// std::out_of_range outside the format's eight octaves.
int XmNote(int midi);

struct Chord {
    int Root;                    // pitch class, 0 = C .. 11 = B
    std::vector<int> Intervals;  // semitones above the root, rising, starting with 0
};

// "A", "Am", "E7", "Am7", "Fmaj7", "Gsus4", "Dsus2", "Cadd9", "G6"; sharps and flats on the root.
// Throws std::invalid_argument for anything else.
Chord ParseChord(std::string_view symbol);

// Chord tone `index` counted up from the root, which sits in the octave starting at `floor`:
// 0 is the root, 1 the next tone up, and past the last tone the chord repeats an octave higher.
int ChordTone(const Chord& chord, int index, int floor);

// `count` chord tones in close position inside the octave starting at `floor`, lowest first,
// leaving out the root first when there are more tones than voices (the bass plays it), and
// doubling the lowest an octave up when there are fewer. Close
// position inside a fixed octave keeps every voice within a few semitones of its last note.
std::vector<int> CloseVoicing(const Chord& chord, int floor, int count);

}  // namespace music
