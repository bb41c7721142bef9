#include "engine/TextService.h"

#include <stdexcept>

#include "engine/Rounding.h"
#include "engine/TextStyles.h"
#include "platform/Surface.h"
#include "platform/TextOutline.h"

namespace {

// The installed family and weight that draw style.
struct TStyleFont {
    std::string Family;
    bool Bold;
};

TStyleFont FontOf(const TTextStyle& style) {
    const TFaceSubstitute& substitute = SubstituteOf(style);
    return {std::string(substitute.Family), style.Bold || substitute.AlwaysBold};
}

}  // namespace

TTextService::TTextService(platform::Surface& surface)
    : surface_(surface), points_(TextStyle(1).Size) {}

TTextService::~TTextService() = default;

void TTextService::SetTextFont(int32_t n) {
    points_ = TextStyle(n).Size;
    style_ = n;
    font_ = nullptr;
}

void TTextService::SetTextSize(int32_t points) {
    if (points <= 0)
        throw std::invalid_argument("A text size must be at least 1 point, not " +
                                    std::to_string(points));
    points_ = points;
    font_ = nullptr;
}

const platform::Font& TTextService::SelectedFont() {
    if (!font_) {
        const TStyleFont font = FontOf(TextStyle(style_));
        font_ = &fonts_.Get(font.Family, points_, font.Bold);
    }
    return *font_;
}

int32_t TTextService::TextWidthIn(const std::string& text, int32_t n) {
    SetTextFont(n);
    return TextWidth(text);
}

int32_t TTextService::TextWidth(const std::string& text) {
    return SelectedFont().Width(text);
}

int32_t TTextService::TextHeight(const std::string& /*text*/) {
    return SelectedFont().Height();
}

void TTextService::DrawTextAt(const std::string& text, int32_t x, int32_t y, bool centreH,
                              bool centreV, bool outlined) {
    // Rendering a text is the dearest drawing there is; nothing to do where nothing is drawn.
    if (text.empty() || !surface_.Drawing())
        return;
    const platform::Font& font = SelectedFont();
    const TTextStyle& style = TextStyle(style_);
    // Keyed by the font's real family (the fallback when a face is missing), so styles drawn by
    // the same installed font share their rendered texts.
    const TTextKey key{font.Family(), points_, FontOf(style).Bold, style.Colour, text, outlined};
    const TCachedText& rendered = cache_.Get(key, [&] {
        platform::TextImage image = font.Render(text, style.Colour);
        if (outlined)
            image = platform::WithDarkOutline(image);
        return TCachedText{surface_.CreatePicture(image.Pixels), image.LineTop};
    });
    const platform::Picture& picture = *rendered.Picture;
    // A rendered text is exactly TextWidth(text) wide, plus the outline on both sides, so its
    // picture's width is the width to centre; the outline starts left of the text's place.
    if (centreH)
        x = Trunc(x - picture.Width() / 2.0);
    else if (outlined)
        x -= platform::OutlineWidth;
    if (centreV)
        y = Trunc(y - font.Height() / 2.0);
    surface_.Copy(picture, platform::Rect::FromSize(0, 0, picture.Width(), picture.Height()), x,
                  y - rendered.LineTop);
}
