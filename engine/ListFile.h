#pragma once
// The frame shared by our list files: an 8-byte magic, version 1, an item count, the records back
// to back, and nothing after the last one. Each file kind reads its own records.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/ByteReader.h"

struct TListFileKind {
    const char* Magic;     // 8 characters
    const char* Name;      // "an image list", "a sound list": the file as the errors name it
    const char* ItemName;  // "image", "sound"
    uint32_t MaxItems;
};

// Throws DataFormatError with the reason when the frame or a record is not valid.
template <class Entry, class ReadEntry>
std::vector<Entry> ParseListFile(std::span<const uint8_t> bytes, const TListFileKind& kind,
                                 ReadEntry readEntry) {
    ByteReader file(bytes);
    const std::string name = kind.Name;
    if (file.Text(8, "header") != kind.Magic)
        throw DataFormatError("It is not " + name + " file.");
    if (file.U32() != 1)
        throw DataFormatError("The " + name.substr(name.find(' ') + 1) +
                              " version is not supported.");
    const std::string countName = std::string(kind.ItemName) + " count";
    const uint32_t count = file.U32In(0, kind.MaxItems, countName.c_str());
    std::vector<Entry> entries;
    entries.reserve(count);
    for (uint32_t i = 0; i < count; ++i)
        entries.push_back(readEntry(file));
    if (file.Left() != 0)
        throw DataFormatError("The file has trailing bytes.");
    return entries;
}
