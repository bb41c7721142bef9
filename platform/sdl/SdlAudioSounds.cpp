#include "platform/sdl/SdlAudioSounds.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/sdl/SdlAudioConvert.h"

namespace platform::sdl {

namespace {

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;

// Channel gains 0..255 for a pan of -100 (left only) .. 100 (right only): the far side fades.
void PanGains(int pan, uint8_t& left, uint8_t& right) {
    left = static_cast<uint8_t>(pan > 0 ? 255 * (100 - pan) / 100 : 255);
    right = static_cast<uint8_t>(pan < 0 ? 255 * (100 + pan) / 100 : 255);
}

}  // namespace

struct SdlSoundDevice::LoadedSound {
    std::vector<uint8_t> Pcm;  // the chunk plays from this buffer, so it is freed after the chunk
    ChunkPtr Chunk;            // null when the sound cannot be heard
    bool Looping = false;
    int MaxCopies = 1;
    uint8_t LeftGain = 255;
    uint8_t RightGain = 255;
    std::vector<int> Channels;  // where copies were started, oldest first; some may have ended

    bool PlaysOn(int channel) const {
        return Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == Chunk.get();
    }
};

SdlSoundDevice::SdlSoundDevice() = default;
SdlSoundDevice::~SdlSoundDevice() = default;

bool SdlSoundDevice::Valid(int index) const {
    return index >= 0 && index < static_cast<int>(sounds_.size());
}

void SdlSoundDevice::Load(std::vector<SoundEffect> sounds) {
    DeviceFormat device;
    const bool open = Mix_QuerySpec(&device.Rate, &device.Format, &device.Channels) != 0;
    std::vector<LoadedSound> loaded(sounds.size());
    for (size_t i = 0; i < sounds.size(); ++i) {
        const SoundEffect& effect = sounds[i];
        LoadedSound& sound = loaded[i];
        sound.Looping = effect.Looping;
        sound.MaxCopies = effect.MaxCopies;
        PanGains(effect.Pan, sound.LeftGain, sound.RightGain);
        if (!open)
            continue;
        sound.Pcm = ConvertToDevice(effect, device);
        if (sound.Pcm.empty())
            continue;
        sound.Chunk.reset(
            Mix_QuickLoad_RAW(sound.Pcm.data(), static_cast<Uint32>(sound.Pcm.size())));
        if (sound.Chunk)
            Mix_VolumeChunk(sound.Chunk.get(), effect.Volume);
    }
    // Freeing the old chunks halts every channel still playing them.
    sounds_ = std::move(loaded);
}

void SdlSoundDevice::Play(int index) {
    if (!Valid(index) || !sounds_[index].Chunk)
        return;
    LoadedSound& sound = sounds_[index];
    std::erase_if(sound.Channels, [&](int channel) { return !sound.PlaysOn(channel); });
    if (static_cast<int>(sound.Channels.size()) >= sound.MaxCopies) {
        Mix_HaltChannel(sound.Channels.front());
        sound.Channels.erase(sound.Channels.begin());
    }
    const int channel = Mix_GroupAvailable(-1);
    if (channel < 0)
        return;  // every mixing channel is busy: this copy is not heard
    // Set before starting, so the first mixed samples are already panned. Full gain on both
    // sides removes a pan left on this channel by another sound.
    Mix_SetPanning(channel, sound.LeftGain, sound.RightGain);
    if (Mix_PlayChannel(channel, sound.Chunk.get(), sound.Looping ? -1 : 0) < 0)
        return;
    sound.Channels.push_back(channel);
}

void SdlSoundDevice::Stop(int index) {
    if (!Valid(index))
        return;
    LoadedSound& sound = sounds_[index];
    for (int channel : sound.Channels)
        if (sound.PlaysOn(channel))
            Mix_HaltChannel(channel);
    sound.Channels.clear();
}

bool SdlSoundDevice::IsPlaying(int index) const {
    if (!Valid(index))
        return false;
    const LoadedSound& sound = sounds_[index];
    return std::any_of(sound.Channels.begin(), sound.Channels.end(),
                       [&](int channel) { return sound.PlaysOn(channel); });
}

}  // namespace platform::sdl
