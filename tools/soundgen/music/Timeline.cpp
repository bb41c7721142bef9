#include "music/Timeline.h"

#include <cmath>
#include <stdexcept>

#include "music/Pitch.h"

namespace music {

Timeline::Timeline(int channels, const std::vector<xm::Instrument>& instruments, double masterLevel)
    : channels_(channels) {
    for (const xm::Instrument& instrument : instruments)
        levels_.push_back(instrument.Wave.Volume * masterLevel);
}

xm::Cell& Timeline::At(int row, int channel) {
    if (row < 0 || channel < 0 || channel >= channels_)
        throw std::out_of_range("cell outside the timeline");
    const size_t index = static_cast<size_t>(row) * channels_ + channel;
    if (index >= cells_.size())
        cells_.resize((static_cast<size_t>(row) + 1) * channels_);
    return cells_[index];
}

const xm::Cell* Timeline::Find(int row, int channel) const {
    const size_t index = static_cast<size_t>(row) * channels_ + channel;
    return row >= 0 && index < cells_.size() ? &cells_[index] : nullptr;
}

void Timeline::Play(int row, int channel, int midi, int instrument, int volume) {
    if (instrument < 1 || static_cast<size_t>(instrument) > levels_.size())
        throw std::out_of_range("no such instrument");
    if (volume < 0 || volume > 64)
        throw std::out_of_range("volume outside 0..64");
    xm::Cell& cell = At(row, channel);
    cell.Note = static_cast<uint8_t>(XmNote(midi));
    cell.Instrument = static_cast<uint8_t>(instrument);
    cell.Volume = xm::SetVolume(static_cast<int>(
        std::lround(volume * levels_[static_cast<size_t>(instrument - 1)] / 64.0)));
}

void Timeline::Release(int row, int channel) {
    xm::Cell& cell = At(row, channel);
    if (cell.Note == 0)
        cell.Note = xm::kKeyOff;
}

void Timeline::PanChannel(int channel, int pan) {
    if (channel < 0 || channel >= channels_)
        throw std::out_of_range("no such channel");
    pans_.resize(static_cast<size_t>(channels_), -1);
    pans_[static_cast<size_t>(channel)] = pan;
}

void Timeline::Arrange(xm::Module& module, int patternBars, int bars, int restartBar) const {
    const int rowsPerPattern = patternBars * kRowsPerBar;
    if (bars % patternBars != 0 || restartBar % patternBars != 0 || restartBar >= bars)
        throw std::invalid_argument("song length and restart must fall on pattern boundaries");
    const int songRows = bars * kRowsPerBar;
    const int restartRow = restartBar * kRowsPerBar;

    std::vector<xm::Cell> song(static_cast<size_t>(songRows) * channels_);
    for (int row = 0; row < Rows(); ++row) {
        const int target =
            row < songRows ? row : restartRow + (row - songRows) % (songRows - restartRow);
        for (int channel = 0; channel < channels_; ++channel) {
            xm::Cell& cell = song[static_cast<size_t>(target) * channels_ + channel];
            if (row < songRows || cell.Empty())
                cell = *Find(row, channel);
        }
    }
    for (int channel = 0; channel < channels_; ++channel) {
        const int pan =
            static_cast<size_t>(channel) < pans_.size() ? pans_[static_cast<size_t>(channel)] : -1;
        if (pan < 0)
            continue;
        for (int row = 0; row < songRows; ++row) {
            xm::Cell& cell = song[static_cast<size_t>(row) * channels_ + channel];
            if (cell.Note >= 1 && cell.Note <= xm::kHighestNote && cell.Effect == 0) {
                cell.Effect = xm::kEffectSetPanning;
                cell.Parameter = static_cast<uint8_t>(pan);
            }
        }
    }

    module.Channels = channels_;
    module.Patterns.clear();
    module.Order.clear();
    const size_t cellsPerPattern = static_cast<size_t>(rowsPerPattern) * channels_;
    for (size_t first = 0; first < song.size(); first += cellsPerPattern) {
        xm::Pattern pattern;
        pattern.Rows = rowsPerPattern;
        pattern.Cells.assign(song.begin() + static_cast<long>(first),
                             song.begin() + static_cast<long>(first + cellsPerPattern));
        size_t index = 0;
        while (index < module.Patterns.size() && !(module.Patterns[index] == pattern))
            ++index;
        if (index == module.Patterns.size())
            module.Patterns.push_back(std::move(pattern));
        module.Order.push_back(static_cast<uint8_t>(index));
    }
    module.RestartPosition = restartBar / patternBars;
}

}  // namespace music
