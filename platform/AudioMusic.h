#pragma once
// Module music: the four operations of the game's music library. Songs are XM tracker modules and
// loop forever once started. At most one song sounds at a time; playing another replaces it.

#include <cstdint>
#include <string>

namespace platform {

// Names a loaded song; 0 names none.
using SongHandle = uint32_t;

class MusicPlayer {
public:
    virtual ~MusicPlayer() = default;

    // Loads an XM module from a file. Returns 0 when the file is missing or not an XM module.
    virtual SongHandle SongLoadFromFile(const std::string& path) = 0;
    // The game carries no resources inside its program file, so this always returns 0.
    virtual SongHandle SongLoadFromResource(const std::string& name) = 0;
    // Starts the song from its beginning, looping. A handle of 0 or of no loaded song is ignored.
    virtual void SongPlay(SongHandle song) = 0;
    // Stops the song if it sounds and releases it; the handle names nothing afterwards.
    virtual void SongFree(SongHandle song) = 0;
};

}  // namespace platform
