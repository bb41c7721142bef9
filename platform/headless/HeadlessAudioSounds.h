#pragma once
// The headless sound device: nothing is heard. Each call is recorded, and what is "playing" is
// kept on the backend's clock: a looping sound until it is stopped, a one-shot until its length
// at its playback rate has passed.

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/AudioSound.h"
#include "platform/headless/HeadlessAudioLog.h"

namespace platform {

class HeadlessSoundDevice final : public SoundDevice {
public:
    // clock gives the backend's milliseconds; log receives the calls. Both outlive the device.
    HeadlessSoundDevice(std::function<uint64_t()> clock, HeadlessAudioLog& log)
        : clock_(std::move(clock)), log_(log) {}

    void Load(std::vector<SoundEffect> sounds) override;
    void Play(int index) override;
    void Stop(int index) override;
    bool IsPlaying(int index) const override { return PlayingCopies(index) > 0; }

    // For the caller.
    int Count() const { return static_cast<int>(sounds_.size()); }
    // Copies of the sound still audible now.
    int PlayingCopies(int index) const;

private:
    struct LoadedSound {
        SoundEffect Effect;
        std::deque<uint64_t> CopyStartsMs;  // oldest first
    };

    bool Valid(int index) const { return index >= 0 && index < Count(); }
    void Record(AudioCallKind kind, int index);
    // Whether a copy started at startMs still sounds now.
    bool Audible(const LoadedSound& sound, uint64_t startMs) const;

    std::function<uint64_t()> clock_;
    HeadlessAudioLog& log_;
    std::vector<LoadedSound> sounds_;
};

}  // namespace platform
