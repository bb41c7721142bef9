#include "harness/TestPictures.h"

platform::PixelImage SolidImage(int width, int height, uint32_t argb) {
    return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, argb)};
}

std::unique_ptr<TImageItem> MakeItem(platform::Surface& surface, const platform::PixelImage& image,
                                     int patternWidth, int patternHeight) {
    return std::make_unique<TImageItem>(
        "test", ResolvePatternGrid(image.Width, image.Height, patternWidth, patternHeight, 0, 0),
        surface.CreatePicture(image));
}
