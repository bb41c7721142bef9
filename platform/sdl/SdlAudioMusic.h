#pragma once
// The real music player: XM modules decoded by SDL_mixer's module playback, one looping song on
// the mixer's music stream at a time.

#include <map>
#include <memory>

#include "platform/AudioMusic.h"

struct _Mix_Music;

namespace platform::sdl {

class SdlMusicPlayer final : public MusicPlayer {
public:
    SdlMusicPlayer() = default;
    SdlMusicPlayer(const SdlMusicPlayer&) = delete;
    SdlMusicPlayer& operator=(const SdlMusicPlayer&) = delete;

    // 0 also when the audio device is closed: without it there is nothing to play on.
    SongHandle SongLoadFromFile(const std::string& path) override;
    SongHandle SongLoadFromResource(const std::string&) override { return 0; }
    void SongPlay(SongHandle song) override;
    void SongFree(SongHandle song) override { songs_.erase(song); }

private:
    struct MusicFree {
        void operator()(_Mix_Music* music) const;
    };

    std::map<SongHandle, std::unique_ptr<_Mix_Music, MusicFree>> songs_;
    SongHandle lastHandle_ = 0;
};

}  // namespace platform::sdl
