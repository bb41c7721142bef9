#include "platform/sdl/SdlAudioMusic.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/AudioModuleFile.h"

namespace platform::sdl {

// Freeing the song that plays halts the music first.
void SdlMusicPlayer::MusicFree::operator()(_Mix_Music* music) const {
    Mix_FreeMusic(music);
}

SongHandle SdlMusicPlayer::SongLoadFromFile(const std::string& path) {
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0 || !IsXmModuleFile(path))
        return 0;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)
        return 0;
    // Decoded as a tracker module whatever else its bytes might pass for; the file is closed
    // by SDL_mixer in every case.
    Mix_Music* music = Mix_LoadMUSType_RW(file, MUS_MOD, 1);
    if (!music)
        return 0;
    songs_.emplace(++lastHandle_, music);
    return lastHandle_;
}

void SdlMusicPlayer::SongPlay(SongHandle song) {
    const auto found = songs_.find(song);
    // -1: loop forever; the mixer starts the song again each time it ends.
    if (found != songs_.end())
        Mix_PlayMusic(found->second.get(), -1);
}

}  // namespace platform::sdl
