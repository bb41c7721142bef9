#pragma once
// The game's background music: at most one song, owned here from load to free. A song that is
// missing or cannot be loaded is silence, never an error.

#include <string>

#include "platform/AudioMusic.h"

class TMusic {
public:
    // player outlives the music.
    explicit TMusic(platform::MusicPlayer& player) : player_(player) {}
    ~TMusic() { StopMusic(); }
    TMusic(const TMusic&) = delete;
    TMusic& operator=(const TMusic&) = delete;

    // With musicOn false nothing happens and a playing song keeps playing. Otherwise the current
    // song is freed, name is loaded (a file path, or a resource name when fromResource) and, if
    // it loaded, starts playing in a loop.
    void PlaySong(const std::string& name, bool fromResource, bool musicOn);
    // Frees the song if there is one, which stops it.
    void StopMusic();

    // The loaded song; 0 when there is none.
    platform::SongHandle Song() const { return song_; }

private:
    platform::MusicPlayer& player_;
    platform::SongHandle song_ = 0;
};
