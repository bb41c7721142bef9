#include "music/Pitch.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace music {

namespace {

int PitchClass(char letter) {
    switch (letter) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return -1;
    }
}

// Reads a letter and an optional sharp or flat from the front of text.
int TakeRoot(std::string_view& text) {
    if (text.empty() || PitchClass(text[0]) < 0)
        throw std::invalid_argument("no note letter in \"" + std::string(text) + "\"");
    int pitch = PitchClass(text[0]);
    text.remove_prefix(1);
    if (!text.empty() && (text[0] == '#' || text[0] == 'b')) {
        pitch += text[0] == '#' ? 1 : -1;
        text.remove_prefix(1);
    }
    return pitch;
}

int Wrap(int pitch) {
    return ((pitch % 12) + 12) % 12;
}

}  // namespace

int ParseNote(std::string_view name) {
    std::string_view rest = name;
    const int pitch = TakeRoot(rest);
    if (rest.size() != 1 || rest[0] < '0' || rest[0] > '8')
        throw std::invalid_argument("note \"" + std::string(name) + "\" needs an octave 0..8");
    return 12 * (rest[0] - '0' + 1) + pitch;
}

int XmNote(int midi) {
    const int note = midi - 11;
    if (note < 1 || note > 96)
        throw std::out_of_range("MIDI note " + std::to_string(midi) + " is outside XM's range");
    return note;
}

Chord ParseChord(std::string_view symbol) {
    std::string_view quality = symbol;
    const int root = Wrap(TakeRoot(quality));
    struct Quality {
        std::string_view suffix;
        std::vector<int> intervals;
    };
    static const Quality kQualities[] = {
        {"", {0, 4, 7}},       {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},
        {"m7", {0, 3, 7, 10}}, {"maj7", {0, 4, 7, 11}}, {"sus4", {0, 5, 7}},
        {"sus2", {0, 2, 7}},   {"add9", {0, 4, 7, 14}}, {"6", {0, 4, 7, 9}},
    };
    for (const Quality& q : kQualities)
        if (q.suffix == quality)
            return {root, q.intervals};
    throw std::invalid_argument("unknown chord \"" + std::string(symbol) + "\"");
}

int ChordTone(const Chord& chord, int index, int floor) {
    const int count = static_cast<int>(chord.Intervals.size());
    const int root = floor + Wrap(chord.Root - floor);
    return root + chord.Intervals[static_cast<size_t>(index % count)] + 12 * (index / count);
}

std::vector<int> CloseVoicing(const Chord& chord, int floor, int count) {
    std::vector<int> tones;
    const size_t skip =
        chord.Intervals.size() > static_cast<size_t>(count) ? chord.Intervals.size() - count : 0;
    for (size_t i = skip; i < chord.Intervals.size(); ++i)
        tones.push_back(floor + Wrap(chord.Root + chord.Intervals[i] - floor));
    std::sort(tones.begin(), tones.end());
    // More voices than tones: double the lowest tones an octave up.
    for (size_t i = 0; tones.size() < static_cast<size_t>(count); ++i)
        tones.push_back(tones[i] + 12);
    return tones;
}

}  // namespace music
