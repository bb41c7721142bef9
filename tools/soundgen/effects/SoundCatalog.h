#pragma once
// The game's sound list: 27 items addressed by index, each with its sample and playback settings.

#include <vector>

#include "SoundListWriter.h"

namespace effects {

constexpr int kSoundCount = 27;

// Items 0..26 in list order. Indices 5, 16, 19 and 24 are never played and hold 0.1 s of silence,
// so that every index after them stays where the game expects it.
std::vector<SoundRecord> BuildSoundList();

}  // namespace effects
