#pragma once
// One installed face opened at one size: measures UTF-8 text and renders it into a picture.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/FontFinder.h"
#include "platform/PixelImage.h"

// SDL_ttf's font handle (SDL_ttf.h names it TTF_Font); only Font.cpp sees the library itself.
struct _TTF_Font;

namespace platform {

struct TextImage {
    PixelImage Pixels;
    // Rows of Pixels above the line's top: glyphs that rise above the font's ascent (an accent
    // on a capital) make the picture taller than the line and push the line down within it.
    int LineTop = 0;
};

class Font {
public:
    // Sizes are points at 96 dpi, so the em is points x 4/3 pixels. When bold is asked for and the
    // file's face is not bold, the glyphs are emboldened. Throws std::runtime_error when the file
    // cannot be opened. The font renderer must be started (FontLibrary does that).
    Font(const FontFile& file, int points, bool bold);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const std::string& Family() const { return family_; }
    int Points() const { return points_; }

    // Advance width of the text in pixels, kerning included; 0 for an empty text.
    int Width(const std::string& text) const;
    // The line height in pixels (ascent plus descent): the same for every text, so that lines of
    // one font centred on the same y share a baseline.
    int Height() const;
    // The text in colour 0xRRGGBB, anti-aliased, on a transparent background, straight alpha:
    // Width(text) pixels wide and at least Height() tall (taller where glyphs reach beyond the
    // line). An empty text gives an empty picture.
    TextImage Render(const std::string& text, uint32_t rgb) const;

private:
    struct Close {
        void operator()(_TTF_Font* font) const;
    };
    std::unique_ptr<_TTF_Font, Close> font_;
    std::string family_;
    int points_;
};

}  // namespace platform
