#include "platform/headless/HeadlessAudioMusic.h"

#include "platform/AudioModuleFile.h"

namespace platform {

SongHandle HeadlessMusicPlayer::SongLoadFromFile(const std::string& path) {
    SongHandle song = 0;
    if (IsXmModuleFile(path)) {
        song = ++lastHandle_;
        paths_[song] = path;
    }
    Record(AudioCallKind::SongLoadFromFile, path, song);
    return song;
}

SongHandle HeadlessMusicPlayer::SongLoadFromResource(const std::string& name) {
    Record(AudioCallKind::SongLoadFromResource, name, 0);
    return 0;
}

void HeadlessMusicPlayer::SongPlay(SongHandle song) {
    Record(AudioCallKind::SongPlay, PathOf(song), song);
    if (paths_.contains(song))
        playing_ = song;
}

void HeadlessMusicPlayer::SongFree(SongHandle song) {
    Record(AudioCallKind::SongFree, PathOf(song), song);
    paths_.erase(song);
    if (playing_ == song)
        playing_ = 0;
}

std::string HeadlessMusicPlayer::PlayingPath() const {
    return PathOf(playing_);
}

void HeadlessMusicPlayer::Record(AudioCallKind kind, const std::string& name, SongHandle song) {
    log_.Record({.Kind = kind, .Name = name, .Song = song, .AtMs = clock_()});
}

std::string HeadlessMusicPlayer::PathOf(SongHandle song) const {
    const auto found = paths_.find(song);
    return found == paths_.end() ? std::string() : found->second;
}

}  // namespace platform
