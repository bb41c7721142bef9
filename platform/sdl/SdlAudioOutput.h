#pragma once
// The audio device as SDL_mixer opens it: 44.1 kHz, 16-bit stereo, 32 mixing channels. A machine
// without sound (a build server, a muted session) leaves it closed and the game runs silently.

namespace platform::sdl {

class SdlAudioOutput {
public:
    // Never throws: when no device can be opened, IsOpen is false and every sound is silence.
    SdlAudioOutput();
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool IsOpen() const { return open_; }

    static constexpr int Rate = 44100;         // Hz
    static constexpr int Channels = 2;         // stereo
    static constexpr int MixingChannels = 32;  // sounds that can play at once, all items together

private:
    bool subsystemStarted_ = false;
    bool open_ = false;
};

}  // namespace platform::sdl
