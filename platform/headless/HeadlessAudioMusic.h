#pragma once
// The headless music player: nothing is heard. Each call is recorded; a song loads only from an
// existing XM file, exactly as the real player demands, and the one playing song is kept.

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "platform/AudioMusic.h"
#include "platform/headless/HeadlessAudioLog.h"

namespace platform {

class HeadlessMusicPlayer final : public MusicPlayer {
public:
    // clock gives the backend's milliseconds; log receives the calls. Both outlive the player.
    HeadlessMusicPlayer(std::function<uint64_t()> clock, HeadlessAudioLog& log)
        : clock_(std::move(clock)), log_(log) {}

    SongHandle SongLoadFromFile(const std::string& path) override;
    SongHandle SongLoadFromResource(const std::string& name) override;
    void SongPlay(SongHandle song) override;
    void SongFree(SongHandle song) override;

    // For the caller.
    SongHandle PlayingSong() const { return playing_; }
    // The file of the playing song; empty when none plays.
    std::string PlayingPath() const;
    int LoadedSongs() const { return static_cast<int>(paths_.size()); }

private:
    void Record(AudioCallKind kind, const std::string& name, SongHandle song);
    std::string PathOf(SongHandle song) const;

    std::function<uint64_t()> clock_;
    HeadlessAudioLog& log_;
    std::map<SongHandle, std::string> paths_;
    SongHandle lastHandle_ = 0;
    SongHandle playing_ = 0;
};

}  // namespace platform
