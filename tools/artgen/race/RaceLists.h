#pragma once
// Image list 2 (race) and image list 3 (mini-map and its indicators).

#include <vector>

#include "ImageListWriter.h"

std::vector<ImageRecord> BuildRaceList();
std::vector<ImageRecord> BuildMiniMapList();
