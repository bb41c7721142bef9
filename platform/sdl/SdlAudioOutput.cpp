#include "platform/sdl/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform::sdl {

namespace {

// Samples per mixing pass: about 23 ms at 44.1 kHz, short enough for a tick to start on time.
constexpr int BufferFrames = 1024;

// The samples are levelled for playing one at a time (the explosion peaks at -1 dBFS, the songs
// near -7), and the mixer adds them up and clips the sum at full scale. Sounds and music both play
// 6 dB down, the balance between them kept, so an explosion over the race song, the engine and
// the gun stays below full scale (docs/audio.md has the measured figures).
constexpr int MixVolume = MIX_MAX_VOLUME / 2;

}  // namespace

SdlAudioOutput::SdlAudioOutput() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    subsystemStarted_ = true;
    // Module support is loaded on demand; without it songs just fail to load.
    Mix_Init(MIX_INIT_MOD);
    // No format changes allowed: SDL converts to the hardware, and our chunks match this format.
    if (Mix_OpenAudioDevice(Rate, AUDIO_S16SYS, Channels, BufferFrames, nullptr, 0) != 0)
        return;
    Mix_AllocateChannels(MixingChannels);
    Mix_MasterVolume(MixVolume);
    Mix_VolumeMusic(MixVolume);
    open_ = true;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (open_)
        Mix_CloseAudio();
    if (!subsystemStarted_)
        return;
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform::sdl
