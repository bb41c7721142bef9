#pragma once
// The real sound device: one SDL_mixer chunk per sound, in the mixer's format, at the sound's
// volume; each copy plays on a mixing channel of its own, panned as the sound asks.

#include <vector>

#include "platform/AudioSound.h"

namespace platform::sdl {

class SdlSoundDevice final : public SoundDevice {
public:
    SdlSoundDevice();
    ~SdlSoundDevice() override;
    SdlSoundDevice(const SdlSoundDevice&) = delete;
    SdlSoundDevice& operator=(const SdlSoundDevice&) = delete;

    // With the audio device closed every sound is kept silent.
    void Load(std::vector<SoundEffect> sounds) override;
    void Play(int index) override;
    void Stop(int index) override;
    // Asks the mixer whether one of the channels this sound was started on still plays it.
    bool IsPlaying(int index) const override;

private:
    struct LoadedSound;

    bool Valid(int index) const;

    std::vector<LoadedSound> sounds_;
};

}  // namespace platform::sdl
