#pragma once
// Text on the back surface in the game's numbered styles: select a style, measure, and draw
// centred or from the top-left. The selected font is a property of the surface's canvas, so it
// stays selected across frames until the next SetTextFont.

#include <cstdint>
#include <string>

#include "engine/TextCache.h"
#include "platform/FontLibrary.h"

namespace platform {
class Surface;
}

class TTextService {
public:
    // Texts kept rendered: a screen's worth of HUD, menu and dialog lines with room to spare.
    static constexpr size_t CachedTextLimit = 256;

    // Draws on surface, which must outlive the service. Throws std::runtime_error when no font
    // at all can be opened (see platform::FontLibrary). Style 1 is selected until the first
    // SetTextFont.
    explicit TTextService(platform::Surface& surface);
    ~TTextService();
    TTextService(const TTextService&) = delete;
    TTextService& operator=(const TTextService&) = delete;

    // Selects style n (1..24): its face, size, colour and weight. Throws std::out_of_range for
    // any other n.
    void SetTextFont(int32_t n);
    // Changes only the size of the selected font, in points (> 0), until the next SetTextFont:
    // some dialogs draw a style at another size.
    void SetTextSize(int32_t points);

    // Selects style n, then measures text in it, in pixels.
    int32_t TextWidthIn(const std::string& text, int32_t n);
    // Width of text in the selected font, in pixels; 0 for an empty text.
    int32_t TextWidth(const std::string& text);
    // Line height of the selected font in pixels, the same for every text (centred lines of one
    // font keep one baseline).
    int32_t TextHeight(const std::string& text);

    // Draws text in the selected font with its top-left at (x, y), over what is already there.
    // centreH centres it on x: x = Trunc(x - width / 2); centreV centres it on y: y = Trunc(y -
    // height / 2). An empty text draws nothing. An outlined text keeps its place and gets a thin
    // dark outline round its glyphs, so that it reads over any background.
    void DrawTextAt(const std::string& text, int32_t x, int32_t y, bool centreH, bool centreV,
                    bool outlined = false);

    int32_t TextFont() const { return style_; }
    int32_t TextSize() const { return points_; }
    // The installed font that draws the selected style, opened on first use.
    const platform::Font& SelectedFont();
    // Rendered texts kept for drawing again.
    const TTextCache& Cache() const { return cache_; }

private:
    platform::Surface& surface_;
    platform::FontLibrary fonts_;
    TTextCache cache_{CachedTextLimit};
    int32_t style_ = 1;
    int32_t points_;
    const platform::Font* font_ = nullptr;  // the selection's font; null until first needed
};
