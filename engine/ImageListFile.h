#pragma once
// Parser of our image list files (docs/image-list-format.md). Pure: it checks the container and
// each picture's PNG header but decodes no pixels; the display makes textures from the result.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ByteReader.h"

struct TImageListEntry {
    std::string Name;
    int32_t PatternWidth = 0;  // as stored; 0 means the picture's width
    int32_t PatternHeight = 0;
    int32_t SkipWidth = 0;
    int32_t SkipHeight = 0;
    bool Transparent = false;
    uint32_t TransparentColor = 0;  // 0x00RRGGBB
    bool SystemMemory = false;
    int32_t PictureWidth = 0;  // from the PNG header
    int32_t PictureHeight = 0;
    std::vector<uint8_t> Png;
};

// Throws DataFormatError with the reason when the bytes are not a valid image list.
std::vector<TImageListEntry> ParseImageList(std::span<const uint8_t> bytes);
