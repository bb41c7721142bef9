#pragma once
// Reads an image list file through the game's own loader, so the tools see exactly what the
// game would see.

#include <string>
#include <vector>

#include "engine/ImageListFile.h"

// Throws EFileOpenError naming the file when it is missing or not a valid image list.
std::vector<TImageListEntry> LoadImageListFile(const std::string& path);
