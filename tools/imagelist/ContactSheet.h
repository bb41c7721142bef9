#pragma once
// A contact sheet for reviewing art: every image of the given lists on a checkerboard, with its
// index, name, sizes and pattern cells.

#include <string>
#include <vector>

#include "engine/ImageListFile.h"

struct ListedFile {
    std::string Title;
    std::vector<TImageListEntry> Images;
};

// Throws std::runtime_error when the PNG cannot be written.
void WriteContactSheet(const std::vector<ListedFile>& lists, const std::string& path);
