#pragma once
// Image list files made in tests with the same writer the art generator uses.

#include <cstdint>
#include <string>
#include <vector>

#include "ImageListWriter.h"

// A picture of width x height in one colour (0xAARRGGBB), as PNG bytes.
std::vector<uint8_t> SolidPng(int width, int height, uint32_t argb);

// A record of one picture cut into patterns of patternWidth x patternHeight.
ImageRecord SolidRecord(int width, int height, uint32_t argb, int patternWidth = 0,
                        int patternHeight = 0);

std::string Serialized(const std::vector<ImageRecord>& records);
