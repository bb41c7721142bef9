#pragma once
// A song being composed: one long grid of rows by channels, written at bar positions, and only
// at the end cut into the module's patterns. Writing on one timeline lets a phrase or an echo
// run across pattern boundaries, and lets sections that repeat share one stored pattern.

#include <vector>

#include "xm/XmModule.h"

namespace music {

constexpr int kRowsPerBeat = 4;  // a row is a sixteenth note
constexpr int kRowsPerBar = 16;  // four beats

class Timeline {
public:
    // Each instrument's sample volume is its level in the mix: Play scales the note's volume by
    // it, because a volume written in a cell replaces the sample's own. masterLevel (0..1) then
    // scales every note: the song's loudness against the sound effects.
    Timeline(int channels, const std::vector<xm::Instrument>& instruments, double masterLevel);

    int Rows() const { return static_cast<int>(cells_.size()) / channels_; }

    // The cell at (row, channel); the timeline grows to reach it.
    xm::Cell& At(int row, int channel);
    const xm::Cell* Find(int row, int channel) const;  // nullptr past the end

    // A note (MIDI number) on instrument (1-based) at volume 0..64 of the instrument's level.
    void Play(int row, int channel, int midi, int instrument, int volume);
    // A key-off, unless a note already starts in that cell.
    void Release(int row, int channel);

    // Every note on the channel is played at this panning (0 left .. 255 right).
    void PanChannel(int channel, int pan);

    // Makes the song `bars` long, looping back to restartBar, both whole patterns of
    // patternBars: cuts the timeline into patterns, stores identical ones once, and fills the
    // module's patterns, order and restart position. Whatever rings past the end (an echo, a
    // release) is folded onto the loop's start, where the song continues, into empty cells.
    void Arrange(xm::Module& module, int patternBars, int bars, int restartBar) const;

private:
    int channels_;
    std::vector<double> levels_;  // per instrument, 0..64 after the master level
    std::vector<xm::Cell> cells_;
    std::vector<int> pans_;  // per channel, -1 = leave as the sample says
};

}  // namespace music
