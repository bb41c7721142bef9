#include "engine/Music.h"

void TMusic::PlaySong(const std::string& name, bool fromResource, bool musicOn) {
    if (!musicOn)
        return;
    StopMusic();
    song_ = fromResource ? player_.SongLoadFromResource(name) : player_.SongLoadFromFile(name);
    if (song_ != 0)
        player_.SongPlay(song_);
}

void TMusic::StopMusic() {
    if (song_ == 0)
        return;
    player_.SongFree(song_);
    song_ = 0;
}
