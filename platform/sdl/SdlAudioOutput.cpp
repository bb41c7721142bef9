#include "platform/sdl/SdlAudioOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform::sdl {

namespace {

// Samples per mixing pass: about 23 ms at 44.1 kHz, short enough for a tick to start on time.
constexpr int BufferFrames = 1024;

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
