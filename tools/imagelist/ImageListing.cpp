#include "ImageListing.h"

#include <algorithm>
#include <cstdio>

#include "engine/PatternGrid.h"

namespace {

std::string Size(int32_t width, int32_t height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

std::string Transparency(const TImageListEntry& image) {
    if (!image.Transparent)
        return "opaque";
    char key[16];
    std::snprintf(key, sizeof key, "key %06X", image.TransparentColor);
    return key;
}

}  // namespace

std::string FormatImageListing(const std::string& title,
                               const std::vector<TImageListEntry>& images) {
    size_t nameWidth = 4;
    for (const TImageListEntry& image : images)
        nameWidth = std::max(nameWidth, image.Name.size());

    std::string text = title + ": " + std::to_string(images.size()) + " images\n";
    char line[512];
    std::snprintf(line, sizeof line, "%5s  %-*s  %11s  %11s  %8s  %s\n", "Index",
                  static_cast<int>(nameWidth), "Name", "Picture", "Pattern", "Patterns",
                  "Transparency");
    text += line;
    for (size_t index = 0; index < images.size(); ++index) {
        const TImageListEntry& image = images[index];
        const TPatternGrid grid =
            ResolvePatternGrid(image.PictureWidth, image.PictureHeight, image.PatternWidth,
                               image.PatternHeight, image.SkipWidth, image.SkipHeight);
        std::snprintf(line, sizeof line, "%5zu  %-*s  %11s  %11s  %8d  %s", index,
                      static_cast<int>(nameWidth), image.Name.c_str(),
                      Size(image.PictureWidth, image.PictureHeight).c_str(),
                      Size(grid.PatternWidth, grid.PatternHeight).c_str(), grid.PatternCount(),
                      Transparency(image).c_str());
        text += line;
        if (grid.SkipWidth != 0 || grid.SkipHeight != 0)
            text += "  skip " + Size(grid.SkipWidth, grid.SkipHeight);
        text += '\n';
    }
    return text;
}
