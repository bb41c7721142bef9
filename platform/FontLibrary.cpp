#include "platform/FontLibrary.h"

#include <SDL_ttf.h>

#include <stdexcept>

namespace platform {

namespace {

// Any size proves that a file opens; this one is small and cheap.
constexpr int ProbePoints = 10;

bool Opens(const FontFile& file, bool bold) {
    try {
        Font probe(file, ProbePoints, bold);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

}  // namespace

FontLibrary::Renderer::Renderer() {
    if (TTF_Init() != 0)
        throw std::runtime_error(std::string("Cannot start the font renderer: ") + TTF_GetError());
}

FontLibrary::Renderer::~Renderer() {
    TTF_Quit();
}

FontLibrary::FontLibrary() {
    const auto regular = finder_.Find(FallbackFamily, false);
    if (!regular || !Opens(*regular, false))
        throw std::runtime_error(
            std::string("No font to draw text with: the font family \"") + FallbackFamily +
            "\" is not installed or does not open (package fonts-dejavu-core).");
    fallbackRegular_ = *regular;
    const auto bold = finder_.Find(FallbackFamily, true);
    fallbackBold_ = bold && Opens(*bold, true) ? *bold : fallbackRegular_;
}

FontLibrary::~FontLibrary() = default;

const Font& FontLibrary::Get(const std::string& family, int points, bool bold) {
    auto& slot = fonts_[{family, points, bold}];
    if (slot)
        return *slot;
    if (const auto file = finder_.Find(family, bold)) {
        try {
            slot = std::make_unique<Font>(*file, points, bold);
        } catch (const std::runtime_error&) {
            // An installed file the renderer cannot read: draw in the fallback instead.
        }
    }
    if (!slot)
        slot = std::make_unique<Font>(bold ? fallbackBold_ : fallbackRegular_, points, bold);
    return *slot;
}

}  // namespace platform
