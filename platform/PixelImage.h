#pragma once
// A picture in memory: straight (not premultiplied) 0xAARRGGBB pixels, row by row.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct PixelImage {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Argb;

    uint32_t At(int x, int y) const { return Argb[static_cast<size_t>(y) * Width + x]; }
    uint32_t& At(int x, int y) { return Argb[static_cast<size_t>(y) * Width + x]; }
};

// Decodes PNG bytes. Returns false and sets error when they are not a readable PNG.
bool DecodePng(std::span<const uint8_t> png, PixelImage& image, std::string& error);

// Writes the picture as a PNG file; false when the file cannot be written.
bool SavePng(const PixelImage& image, const std::string& path);

}  // namespace platform
