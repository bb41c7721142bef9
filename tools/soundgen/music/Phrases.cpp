#include "music/Phrases.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

#include "music/Pitch.h"

namespace music {

namespace {

// The step text without the spaces and bars that are there for the eye.
std::string Steps(std::string_view text) {
    std::string steps;
    for (char c : text)
        if (c != ' ' && c != '|')
            steps += c;
    return steps;
}

int VolumeOfHit(char hit) {
    switch (hit) {
        case 'x':
            return 64;
        case 'o':
            return 46;
        case 'g':
            return 26;
        default:
            throw std::invalid_argument(std::string("unknown drum step '") + hit + "'");
    }
}

}  // namespace

void Rhythm(Timeline& timeline, int channel, int instrument, int bar, int bars,
            std::string_view text, int note) {
    const std::string steps = Steps(text);
    const int start = bar * kRowsPerBar;
    const int rows = bars * kRowsPerBar;
    for (int row = 0; row < rows; ++row) {
        const char hit = steps[static_cast<size_t>(row) % steps.size()];
        if (hit != '.')
            timeline.Play(start + row, channel, note, instrument, VolumeOfHit(hit));
    }
}

void Melody(Timeline& timeline, int channel, int instrument, int bar, int bars,
            std::string_view phrase, int volume) {
    int row = bar * kRowsPerBar;
    const int start = row;
    bool sounding = false;
    while (!phrase.empty()) {
        const size_t end = phrase.find(' ');
        const std::string_view token = phrase.substr(0, end);
        phrase.remove_prefix(end == std::string_view::npos ? phrase.size() : end + 1);
        if (token.empty())
            continue;
        const size_t colon = token.find(':');
        int rows = 0;
        if (colon == std::string_view::npos ||
            std::from_chars(token.data() + colon + 1, token.data() + token.size(), rows).ec !=
                std::errc() ||
            rows < 1)
            throw std::invalid_argument("melody token \"" + std::string(token) +
                                        "\" needs :<rows>");
        const std::string_view pitch = token.substr(0, colon);
        if (pitch == "r") {
            if (sounding)
                timeline.Release(row, channel);
            sounding = false;
        } else {
            timeline.Play(row, channel, ParseNote(pitch), instrument, volume);
            sounding = true;
        }
        row += rows;
    }
    if (row - start != bars * kRowsPerBar)
        throw std::invalid_argument("melody lasts " + std::to_string(row - start) + " rows, not " +
                                    std::to_string(bars) + " bars");
    if (sounding)
        timeline.Release(row, channel);
}

void ChordPart(Timeline& timeline, int channel, int instrument, int bar, const Progression& chords,
               std::string_view text, int floor, int volume) {
    const std::string steps = Steps(text);
    if (steps.size() != static_cast<size_t>(kRowsPerBar))
        throw std::invalid_argument("chord part steps must fill one bar");
    for (size_t b = 0; b < chords.size(); ++b) {
        const Chord chord = ParseChord(chords[b]);
        const int start = (bar + static_cast<int>(b)) * kRowsPerBar;
        for (int step = 0; step < kRowsPerBar; ++step) {
            const char c = steps[static_cast<size_t>(step)];
            if (c == '-')
                continue;
            if (c == '.') {
                timeline.Release(start + step, channel);
            } else if (c == 'O') {
                timeline.Play(start + step, channel, ChordTone(chord, 0, floor) + 12, instrument,
                              volume);
            } else if (c >= '0' && c <= '9') {
                timeline.Play(start + step, channel, ChordTone(chord, c - '0', floor), instrument,
                              volume);
            } else {
                throw std::invalid_argument(std::string("unknown chord step '") + c + "'");
            }
        }
    }
}

void Pads(Timeline& timeline, int firstChannel, int voices, int instrument, int bar,
          const Progression& chords, int floor, int volume) {
    for (size_t b = 0; b < chords.size(); ++b) {
        const std::vector<int> tones = CloseVoicing(ParseChord(chords[b]), floor, voices);
        for (int v = 0; v < voices; ++v)
            timeline.Play((bar + static_cast<int>(b)) * kRowsPerBar, firstChannel + v,
                          tones[static_cast<size_t>(v)], instrument, volume);
    }
    const int end = (bar + static_cast<int>(chords.size())) * kRowsPerBar;
    for (int v = 0; v < voices; ++v)
        timeline.Release(end, firstChannel + v);
}

void Echo(Timeline& timeline, int from, int to, int bar, int bars, int delayRows,
          double volumeScale) {
    const int start = bar * kRowsPerBar;
    for (int row = start; row < start + bars * kRowsPerBar; ++row) {
        const xm::Cell* found = timeline.Find(row, from);
        if (found == nullptr || found->Note == 0)
            continue;
        // A copy: reaching the delayed row may grow the timeline and move every cell.
        const xm::Cell source = *found;
        xm::Cell& target = timeline.At(row + delayRows, to);
        target = source;
        if (source.Volume >= xm::SetVolume(0) && source.Volume <= xm::SetVolume(64)) {
            const int volume = source.Volume - xm::SetVolume(0);
            target.Volume = xm::SetVolume(static_cast<int>(std::lround(volume * volumeScale)));
        }
    }
}

}  // namespace music
