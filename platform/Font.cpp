#include "platform/Font.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <stdexcept>

#include "platform/SegmentSlash.h"

namespace platform {

namespace {

constexpr unsigned ScreenDpi = 96;

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

// The next code point of UTF-8 text from index, which moves past it; 0 for a malformed sequence
// (its lead byte is skipped).
Uint32 NextCodePoint(const std::string& text, size_t& index) {
    const auto lead = static_cast<unsigned char>(text[index++]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || index - 1 + length > text.size())
        return 0;
    Uint32 codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[index - 1 + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    index += length - 1;
    return codePoint;
}

// How far the text's glyphs rise above the font's ascent, in pixels; 0 when none does. The
// renderer moves the line down by this much inside the rendered picture.
int RiseAboveAscent(TTF_Font* font, const std::string& text) {
    int highest = TTF_FontAscent(font);
    for (size_t index = 0; index < text.size();) {
        const Uint32 codePoint = NextCodePoint(text, index);
        int top = 0;
        if (codePoint != 0 &&
            TTF_GlyphMetrics32(font, codePoint, nullptr, nullptr, nullptr, &top, nullptr) == 0)
            highest = std::max(highest, top);
    }
    return highest - TTF_FontAscent(font);
}

}  // namespace

void Font::Close::operator()(TTF_Font* font) const {
    TTF_CloseFont(font);
}

Font::Font(const FontFile& file, int points, bool bold)
    : font_(TTF_OpenFontIndexDPI(file.Path.c_str(), points, file.Index, ScreenDpi, ScreenDpi)),
      family_(file.Family),
      points_(points) {
    if (!font_)
        throw std::runtime_error("Cannot open the font \"" + file.Path + "\" at " +
                                 std::to_string(points) + " pt: " + TTF_GetError());
    // Light hinting snaps glyphs only vertically and keeps each face's own advances; full hinting
    // rounds every advance, which widens the segment face's HUD texts by a pixel per character.
    TTF_SetFontHinting(font_.get(), TTF_HINTING_LIGHT);
    if (bold && !file.Bold)
        TTF_SetFontStyle(font_.get(), TTF_STYLE_BOLD);
}

Font::~Font() = default;

int Font::Width(const std::string& text) const {
    if (text.empty())
        return 0;
    int width = 0;
    if (TTF_SizeUTF8(font_.get(), text.c_str(), &width, nullptr) != 0)
        throw std::runtime_error(std::string("Cannot measure a text: ") + TTF_GetError());
    return width;
}

int Font::Height() const {
    return TTF_FontHeight(font_.get());
}

TextImage Font::Render(const std::string& text, uint32_t rgb) const {
    if (text.empty())
        return {};
    const SDL_Color colour = {static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                              static_cast<Uint8>(rgb), 0xFF};
    // Blended rendering gives 32-bit ARGB: the colour everywhere, the coverage in the alpha.
    SurfacePtr rendered(TTF_RenderUTF8_Blended(font_.get(), text.c_str(), colour));
    if (!rendered)
        throw std::runtime_error(std::string("Cannot draw a text: ") + TTF_GetError());

    TextImage image{{rendered->w, rendered->h,
                     std::vector<uint32_t>(static_cast<size_t>(rendered->w) * rendered->h)},
                    RiseAboveAscent(font_.get(), text)};
    for (int y = 0; y < rendered->h; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rendered->pixels) +
                                              static_cast<size_t>(y) * rendered->pitch);
        std::copy(row, row + rendered->w,
                  image.Pixels.Argb.begin() + static_cast<size_t>(y) * rendered->w);
    }
    if (DrawsBrokenSlash(family_))
        RedrawSlashes(font_.get(), text, rgb, image);
    return image;
}

}  // namespace platform
