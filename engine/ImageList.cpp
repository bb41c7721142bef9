#include "engine/ImageList.h"

#include <span>
#include <stdexcept>

#include "engine/FileOpenError.h"
#include "engine/ImageListFile.h"
#include "platform/PixelImage.h"
#include "platform/Surface.h"

namespace {

// Pixels of the key colour are never drawn: they become fully transparent.
void ApplyColourKey(platform::PixelImage& image, uint32_t keyRgb) {
    for (uint32_t& pixel : image.Argb)
        if ((pixel & 0xFFFFFF) == keyRgb)
            pixel = 0;
}

std::unique_ptr<TImageItem> MakeItem(TImageListEntry& entry, platform::Surface& surface) {
    platform::PixelImage image;
    std::string error;
    if (!platform::DecodePng(entry.Png, image, error))
        throw DataFormatError(error);
    if (image.Width != entry.PictureWidth || image.Height != entry.PictureHeight)
        throw DataFormatError("A picture's size does not match its header.");
    if (entry.Transparent)
        ApplyColourKey(image, entry.TransparentColor);
    const TPatternGrid grid =
        ResolvePatternGrid(image.Width, image.Height, entry.PatternWidth, entry.PatternHeight,
                           entry.SkipWidth, entry.SkipHeight);
    return std::make_unique<TImageItem>(std::move(entry.Name), grid, surface.CreatePicture(image));
}

}  // namespace

void TImageList::LoadFromFile(const std::string& path, platform::Surface& surface) {
    LoadFromBytes(ReadWholeFile(path), path, surface);
}

void TImageList::LoadFromBytes(const std::string& bytes, const std::string& path,
                               platform::Surface& surface) {
    std::vector<std::unique_ptr<TImageItem>> items;
    try {
        auto entries =
            ParseImageList(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        items.reserve(entries.size());
        for (TImageListEntry& entry : entries)
            items.push_back(MakeItem(entry, surface));
    } catch (const DataFormatError& error) {
        throw EFileOpenError(path, error.what());
    }
    items_ = std::move(items);
}

const TImageItem& TImageList::Items(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return *items_[index];
}
