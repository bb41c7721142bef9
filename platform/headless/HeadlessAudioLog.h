#pragma once
// Every sound and music call the headless backend receives, in order, with the backend's clock,
// so that tests can check what a player would have heard.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/AudioMusic.h"

namespace platform {

enum class AudioCallKind {
    SoundPlay,
    SoundStop,
    SongLoadFromFile,
    SongLoadFromResource,
    SongPlay,
    SongFree,
};

struct AudioCall {
    AudioCallKind Kind = AudioCallKind::SoundPlay;
    int Index = -1;       // the sound's index; -1 for song calls
    std::string Name;     // the song's path or resource name; empty for sound calls
    SongHandle Song = 0;  // the handle passed, or returned by a load
    uint64_t AtMs = 0;    // the backend's clock when the call came
};

class HeadlessAudioLog {
public:
    void Record(AudioCall call) { calls_.push_back(std::move(call)); }
    const std::vector<AudioCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }

    // Calls of this kind; for sound calls only those of the given index unless it is -1.
    int Count(AudioCallKind kind, int index = -1) const;

private:
    std::vector<AudioCall> calls_;
};

}  // namespace platform
