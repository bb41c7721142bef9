#pragma once
// The data files the game loads at start-up, and the check that they hold every image the game
// draws, so that a wrong data file is a clear error at start rather than a fault in a race.

#include <array>
#include <string>

#include "engine/ImageList.h"
#include "engine/SoundList.h"

inline constexpr char SoundListPath[] = "Data/Res/Sounds.dxw";

// "Data/Res/Res1.dxg" .. "Data/Res/Res3.dxg" for lists 1..3.
std::string ImageListPath(int list);

// Throws EFileOpenError naming the list's file when an image the game uses is missing or has an
// empty pattern.
void CheckRequiredImages(const std::array<TImageList, 3>& lists);

// Throws EFileOpenError naming the sound list when it lacks an item the game plays (0..26).
void CheckRequiredSounds(const TSoundList& sounds);
