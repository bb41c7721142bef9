// The image-list tools: the listing zorvex_imagelist prints and the colour key the contact sheet
// applies, on small lists written here.

#include <gtest/gtest.h>

#include <cairo.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ImageListWriter.h"
#include "ImageListing.h"
#include "KeyedPicture.h"
#include "ListFile.h"
#include "engine/FileOpenError.h"

namespace {

// A solid picture of the given size and colour (0xAARRGGBB, straight alpha).
std::vector<uint8_t> SolidPng(int width, int height, uint32_t argb) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* context = cairo_create(surface);
    cairo_set_source_rgba(context, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                          (argb & 0xFF) / 255.0, (argb >> 24) / 255.0);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_paint(context);
    cairo_destroy(context);
    std::vector<uint8_t> png = EncodePng(surface);
    cairo_surface_destroy(surface);
    return png;
}

ImageRecord Record(const std::string& name, int width, int height, int patternWidth,
                   int patternHeight, int skipWidth, bool transparent) {
    ImageRecord record;
    record.Name = name;
    record.PatternWidth = patternWidth;
    record.PatternHeight = patternHeight;
    record.SkipWidth = skipWidth;
    record.Transparent = transparent;
    record.TransparentColor = 0xFF00FF;
    record.Png = SolidPng(width, height, 0xFF204060);
    return record;
}

class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()))) {}
    ~TemporaryFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

std::vector<std::vector<std::string>> Words(const std::string& text) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);) {
        std::istringstream words(line);
        lines.emplace_back();
        for (std::string word; words >> word;)
            lines.back().push_back(word);
    }
    return lines;
}

}  // namespace

TEST(MenuArtListing, PrintsEveryImageWithItsSizesPatternsAndTransparency) {
    const TemporaryFile file("menu-art-listing");
    WriteImageList(file.Path(), {
                                    Record("Backdrop", 20, 10, 0, 0, 0, false),
                                    Record("Strip", 48, 16, 24, 16, 0, true),
                                    // 46 = 3 x (10 + 2) + 10: the last cell fits without its skip
                                    Record("Gapped", 46, 10, 10, 10, 2, true),
                                    // one pixel short of that: the last cell is not counted
                                    Record("Short", 45, 10, 10, 10, 2, true),
                                });
    const std::string listing = FormatImageListing("list", LoadImageListFile(file.Path()));
    const auto lines = Words(listing);
    ASSERT_EQ(lines.size(), 6u) << listing;
    EXPECT_EQ(lines[0], (std::vector<std::string>{"list:", "4", "images"}));
    // index, name, picture "w x h", pattern "w x h", pattern count, transparency [, skip]
    EXPECT_EQ(lines[2], (std::vector<std::string>{"0", "Backdrop", "20", "x", "10", "20", "x", "10",
                                                  "1", "opaque"}));
    EXPECT_EQ(lines[3], (std::vector<std::string>{"1", "Strip", "48", "x", "16", "24", "x", "16",
                                                  "2", "key", "FF00FF"}));
    EXPECT_EQ(lines[4], (std::vector<std::string>{"2", "Gapped", "46", "x", "10", "10", "x", "10",
                                                  "4", "key", "FF00FF", "skip", "2", "x", "0"}));
    EXPECT_EQ(lines[5][8], "3");
}

TEST(MenuArtListing, DamagedOrMissingFilesAreReportedWithTheirPath) {
    const TemporaryFile file("menu-art-damaged");
    WriteImageList(file.Path(), {Record("Only", 4, 4, 0, 0, 0, false)});
    std::filesystem::resize_file(file.Path(), std::filesystem::file_size(file.Path()) - 1);
    EXPECT_THROW(
        {
            try {
                LoadImageListFile(file.Path());
            } catch (const EFileOpenError& error) {
                EXPECT_NE(std::string(error.what()).find(file.Path()), std::string::npos);
                throw;
            }
        },
        EFileOpenError);
    EXPECT_THROW(LoadImageListFile(file.Path() + ".missing"), EFileOpenError);
}

TEST(MenuArtListing, ContactSheetHidesExactlyTheKeyColouredPixels) {
    TImageListEntry image;
    image.TransparentColor = 0xFF00FF;
    // Left half the key, right half one step off it: only the key is a hole.
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 1);
    cairo_t* context = cairo_create(surface);
    cairo_rectangle(context, 0, 0, 1, 1);
    cairo_set_source_rgb(context, 1, 0, 1);
    cairo_fill(context);
    cairo_rectangle(context, 1, 0, 1, 1);
    cairo_set_source_rgb(context, 254 / 255.0, 0, 1);
    cairo_fill(context);
    cairo_destroy(context);
    image.Png = EncodePng(surface);
    cairo_surface_destroy(surface);

    auto pixels = [](const CairoSurface& picture) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(picture.get()));
        return std::vector<uint32_t>(row, row + 2);
    };
    image.Transparent = true;
    const CairoSurface keyed = DecodeKeyedPicture(image);
    ASSERT_NE(keyed, nullptr);
    EXPECT_EQ(pixels(keyed), (std::vector<uint32_t>{0x00000000, 0xFFFE00FF}));
    // Without the transparency flag the key colour is an ordinary colour.
    image.Transparent = false;
    const CairoSurface plain = DecodeKeyedPicture(image);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(pixels(plain), (std::vector<uint32_t>{0xFFFF00FF, 0xFFFE00FF}));

    image.Png.resize(20);  // a cut-off PNG
    EXPECT_EQ(DecodeKeyedPicture(image), nullptr);
}
