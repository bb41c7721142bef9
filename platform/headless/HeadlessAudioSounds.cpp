#include "platform/headless/HeadlessAudioSounds.h"

#include <algorithm>

namespace platform {

void HeadlessSoundDevice::Load(std::vector<SoundEffect> sounds) {
    sounds_.clear();
    sounds_.reserve(sounds.size());
    for (SoundEffect& effect : sounds)
        sounds_.push_back({std::move(effect), {}});
}

void HeadlessSoundDevice::Play(int index) {
    Record(AudioCallKind::SoundPlay, index);
    if (!Valid(index))
        return;
    LoadedSound& sound = sounds_[index];
    // Copies start in order, so the ended ones are at the front.
    while (!sound.CopyStartsMs.empty() && !Audible(sound, sound.CopyStartsMs.front()))
        sound.CopyStartsMs.pop_front();
    if (static_cast<int>(sound.CopyStartsMs.size()) >= sound.Effect.MaxCopies)
        sound.CopyStartsMs.pop_front();
    sound.CopyStartsMs.push_back(clock_());
}

void HeadlessSoundDevice::Stop(int index) {
    Record(AudioCallKind::SoundStop, index);
    if (Valid(index))
        sounds_[index].CopyStartsMs.clear();
}

int HeadlessSoundDevice::PlayingCopies(int index) const {
    if (!Valid(index))
        return 0;
    const LoadedSound& sound = sounds_[index];
    return static_cast<int>(
        std::count_if(sound.CopyStartsMs.begin(), sound.CopyStartsMs.end(),
                      [&](uint64_t startMs) { return Audible(sound, startMs); }));
}

void HeadlessSoundDevice::Record(AudioCallKind kind, int index) {
    AudioCall call;
    call.Kind = kind;
    call.Index = index;
    call.AtMs = clock_();
    log_.Record(std::move(call));
}

bool HeadlessSoundDevice::Audible(const LoadedSound& sound, uint64_t startMs) const {
    return sound.Effect.Looping || clock_() < startMs + sound.Effect.DurationMs();
}

}  // namespace platform
