#include "engine/SoundList.h"

#include <span>
#include <stdexcept>

#include "engine/FileOpenError.h"
#include "engine/SoundListFile.h"
#include "platform/AudioSound.h"

void TSoundList::LoadFromFile(const std::string& path) {
    LoadFromBytes(ReadWholeFile(path), path);
}

void TSoundList::LoadFromBytes(const std::string& bytes, const std::string& path) {
    std::vector<TSoundListEntry> entries;
    try {
        entries =
            ParseSoundList(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    } catch (const DataFormatError& error) {
        throw EFileOpenError(path, error.what());
    }
    std::vector<platform::SoundEffect> sounds;
    sounds.reserve(entries.size());
    for (TSoundListEntry& entry : entries)
        sounds.push_back(std::move(entry.Sound));
    device_.Load(std::move(sounds));
    count_ = static_cast<int>(entries.size());
}

void TSoundList::PlaySound(int index) {
    if (!soundOn_)
        return;
    CheckIndex(index);
    device_.Stop(index);
    device_.Play(index);
}

void TSoundList::StopSound(int index) {
    if (!soundOn_)
        return;
    CheckIndex(index);
    device_.Stop(index);
}

bool TSoundList::IsPlaying(int index) const {
    CheckIndex(index);
    return device_.IsPlaying(index);
}

void TSoundList::CheckIndex(int index) const {
    if (index < 0 || index >= count_)
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}
