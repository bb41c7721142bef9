#pragma once
// Sound effects as the platform plays them: a list of PCM samples, each with the playback settings
// it was stored with, started and stopped by index. The sdl backend mixes them on the audio
// device; the headless one only keeps time and records the calls.

#include <cstdint>
#include <vector>

namespace platform {

struct SoundEffect {
    bool Looping = false;     // true: plays until stopped
    int MaxCopies = 1;        // 1..16 copies of this item may sound at once
    int Volume = 128;         // 0..128; 128 = the sample as recorded
    int Pan = 0;              // -100 (left only) .. 0 (centre) .. 100 (right only)
    uint32_t Frequency = 0;   // playback rate in Hz; 0 = SampleRate
    uint32_t SampleRate = 0;  // Hz the samples were recorded at
    int Channels = 1;         // 1 or 2, interleaved in Samples
    std::vector<int16_t> Samples;

    uint32_t PlaybackRate() const { return Frequency != 0 ? Frequency : SampleRate; }
    // Length of one pass at the playback rate, rounded up to whole ms.
    uint64_t DurationMs() const {
        const uint64_t rate = PlaybackRate();
        if (rate == 0 || Channels <= 0)
            return 0;
        const uint64_t frames = Samples.size() / static_cast<uint64_t>(Channels);
        return (frames * 1000 + rate - 1) / rate;
    }
};

class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Replaces every loaded sound, stopping whatever plays. Index i plays sounds[i].
    virtual void Load(std::vector<SoundEffect> sounds) = 0;
    // Starts one more copy of the sound from its beginning. When MaxCopies copies already sound,
    // the oldest of them gives way. An index outside the loaded list is ignored.
    virtual void Play(int index) = 0;
    // Stops every copy of the sound.
    virtual void Stop(int index) = 0;
    // Whether any copy of the sound is still audible (a one-shot ends by itself).
    virtual bool IsPlaying(int index) const = 0;
};

}  // namespace platform
