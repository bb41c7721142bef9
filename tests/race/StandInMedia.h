#pragma once
// Plain stand-ins for the race's image list and the sound list, with every picture at the size
// and pattern count the race reads, so that driving tests do not depend on the generated art.

#include <string>

// Image list 2: the track tiles, flames, ships with their bank and explosion strips, the star
// field; every other item a 1 x 1 placeholder.
std::string StandInRaceImageList();
// Image list 3: the mini-map's 18 items, each a 1 x 1 placeholder.
std::string StandInMiniMapImageList();
// 27 short silent sounds.
std::string StandInSoundList();
