#pragma once
// Writes an image list file in our own format (docs/image-list-format.md).

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

struct ImageRecord {
    std::string Name;
    int32_t PatternWidth = 0;  // 0 = the picture's width
    int32_t PatternHeight = 0;
    int32_t SkipWidth = 0;
    int32_t SkipHeight = 0;
    bool Transparent = false;
    uint32_t TransparentColor = 0;  // 0x00RRGGBB
    bool SystemMemory = false;
    std::vector<uint8_t> Png;
};

// Encodes a Cairo image surface (ARGB32 or RGB24) as PNG bytes. Deterministic: the same pixels
// always give the same bytes.
std::vector<uint8_t> EncodePng(cairo_surface_t* surface);

// The whole file as bytes; throws std::invalid_argument when a record breaks a rule of the format.
std::vector<uint8_t> SerializeImageList(const std::vector<ImageRecord>& images);

// Serializes and writes to path; throws std::runtime_error when the file cannot be written.
void WriteImageList(const std::string& path, const std::vector<ImageRecord>& images);
