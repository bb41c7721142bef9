#pragma once
// Sound and music of the sdl backend: the audio device and the two players on it, in the order
// they must be opened and closed.

#include "platform/sdl/SdlAudioMusic.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "platform/sdl/SdlAudioSounds.h"

namespace platform::sdl {

class SdlAudio {
public:
    bool DeviceOpen() const { return output_.IsOpen(); }
    SoundDevice& Sounds() { return sounds_; }
    MusicPlayer& Music() { return music_; }

private:
    SdlAudioOutput output_;  // declared first: closed after every chunk and song is freed
    SdlSoundDevice sounds_;
    SdlMusicPlayer music_;
};

}  // namespace platform::sdl
