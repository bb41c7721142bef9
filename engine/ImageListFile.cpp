#include "ImageListFile.h"

#include "engine/ListFile.h"

#include <array>
#include <cstring>

namespace {

constexpr char Magic[] = "ZVXIMGL1";
constexpr uint32_t MaxItems = 1024;
constexpr int32_t MaxSide = 4096;

// Reads width and height from the PNG signature and IHDR chunk, which must come first.
void ReadPngSize(std::span<const uint8_t> png, int32_t& width, int32_t& height) {
    static constexpr std::array<uint8_t, 8> Signature = {0x89, 'P',  'N',  'G',
                                                         '\r', '\n', 0x1A, '\n'};
    if (png.size() < 33 || std::memcmp(png.data(), Signature.data(), Signature.size()) != 0 ||
        std::memcmp(png.data() + 12, "IHDR", 4) != 0)
        throw DataFormatError("A picture is not a PNG image.");
    auto bigEndian = [&](size_t at) {
        return (uint32_t{png[at]} << 24) | (uint32_t{png[at + 1]} << 16) |
               (uint32_t{png[at + 2]} << 8) | uint32_t{png[at + 3]};
    };
    const uint32_t w = bigEndian(16);
    const uint32_t h = bigEndian(20);
    if (w < 1 || h < 1 || w > MaxSide || h > MaxSide)
        throw DataFormatError("A picture's size is out of range.");
    width = static_cast<int32_t>(w);
    height = static_cast<int32_t>(h);
}

TImageListEntry ReadEntry(ByteReader& file) {
    const uint32_t recordLength = file.U32();
    if (recordLength < 32 || recordLength > file.Left())
        throw DataFormatError("The record length is out of range (" + std::to_string(recordLength) +
                              ").");
    ByteReader record(file.Bytes(recordLength, "image record"));
    TImageListEntry entry;
    entry.Name = record.Text(record.U16(), "image name");
    if (entry.Name.size() > 255)
        throw DataFormatError("An image name is too long.");
    entry.PatternWidth = record.I32In(0, MaxSide, "pattern width");
    entry.PatternHeight = record.I32In(0, MaxSide, "pattern height");
    entry.SkipWidth = record.I32In(0, MaxSide, "skip width");
    entry.SkipHeight = record.I32In(0, MaxSide, "skip height");
    const uint8_t transparent = record.U8();
    const uint8_t systemMemory = record.U8();
    if (transparent > 1 || systemMemory > 1)
        throw DataFormatError("An image flag is out of range.");
    entry.Transparent = transparent == 1;
    entry.SystemMemory = systemMemory == 1;
    if (record.U16() != 0)
        throw DataFormatError("A reserved field is not zero.");
    entry.TransparentColor = record.U32In(0, 0xFFFFFF, "transparent colour");
    const uint32_t pngLength =
        record.U32In(1, static_cast<uint32_t>(record.Left()), "picture length");
    const auto png = record.Bytes(pngLength, "picture");
    if (record.Left() != 0)
        throw DataFormatError("An image record has trailing bytes.");
    ReadPngSize(png, entry.PictureWidth, entry.PictureHeight);
    entry.Png.assign(png.begin(), png.end());
    return entry;
}

}  // namespace

std::vector<TImageListEntry> ParseImageList(std::span<const uint8_t> bytes) {
    constexpr TListFileKind ImageList = {Magic, "an image list", "image", MaxItems};
    return ParseListFile<TImageListEntry>(bytes, ImageList, ReadEntry);
}
