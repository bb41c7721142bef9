#pragma once
// The check both music players make before loading a song, so that a missing or foreign file is
// silence in tests exactly as in the game.

#include <string>

namespace platform {

// True when the file exists, can be read and starts with the XM signature "Extended Module: ".
bool IsXmModuleFile(const std::string& path);

}  // namespace platform
