#pragma once
// The text listing of an image list: one line per image with its index, name, picture size,
// pattern size, pattern count and transparency, and the skip between patterns when there is one.

#include <string>
#include <vector>

#include "engine/ImageListFile.h"

// title heads the listing (usually the file's path); lines end with '\n'.
std::string FormatImageListing(const std::string& title,
                               const std::vector<TImageListEntry>& images);
