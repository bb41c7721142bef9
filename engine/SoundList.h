#pragma once
// The game's sound effects: the items of the sound list file, played by index on the sound device.
// A sound never overlaps itself: playing it again restarts it. With sound switched off in the
// options nothing is started and nothing is stopped.

#include <string>

namespace platform {
class SoundDevice;
}

class TSoundList {
public:
    // device and soundOn (the options' SoundOn, read at every call) outlive the list.
    TSoundList(platform::SoundDevice& device, const bool& soundOn)
        : device_(device), soundOn_(soundOn) {}

    // Replaces the list with the file's sounds. Throws EFileOpenError naming the file and the
    // reason when it is missing, truncated or damaged; the list is then left as it was.
    void LoadFromFile(const std::string& path);
    // The same from bytes already in memory; path only names them in the error.
    void LoadFromBytes(const std::string& bytes, const std::string& path);

    int Count() const { return count_; }

    // If sound is on: stops every copy of the sound, then starts it once from its beginning. A
    // looping sound plays until StopSound. Throws std::out_of_range "List index out of bounds (%d)"
    // outside 0..Count-1 when sound is on.
    void PlaySound(int index);
    // If sound is on: stops every copy of the sound. Same index rule as PlaySound.
    void StopSound(int index);
    // Whether a copy of the sound still plays; same index rule, whatever the options say.
    bool IsPlaying(int index) const;

private:
    void CheckIndex(int index) const;

    platform::SoundDevice& device_;
    const bool& soundOn_;
    int count_ = 0;
};
