#include "platform/FontFinder.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <stdexcept>

namespace platform {

namespace {

struct PatternDestroy {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDestroy {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDestroy>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDestroy>;

const FcChar8* AsFc(const std::string& text) {
    return reinterpret_cast<const FcChar8*>(text.c_str());
}

// A face may carry several family names (one per language); any of them may be the one asked for.
bool HasFamily(const FcPattern& face, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(&face, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (FcStrCmpIgnoreCase(name, AsFc(family)) == 0)
            return true;
    return false;
}

int IntegerOf(const FcPattern& face, const char* object, int absent) {
    int value = absent;
    FcPatternGetInteger(&face, object, 0, &value);
    return value;
}

bool SameStyle(const FcPattern& a, const FcPattern& b) {
    return IntegerOf(a, FC_WEIGHT, -1) == IntegerOf(b, FC_WEIGHT, -1) &&
           IntegerOf(a, FC_SLANT, -1) == IntegerOf(b, FC_SLANT, -1);
}

// Some families are installed both as OpenType and as Type 1, and fontconfig may rank the Type 1
// file first. Its line metrics come from the font's bounding box (a 16 pt line ~30 px tall instead
// of ~22), so the OpenType file of the same face is preferred.
bool HasOpenTypeMetrics(const FcPattern& face) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(&face, FC_FONTFORMAT, 0, &format) != FcResultMatch)
        return false;
    return FcStrCmp(format, reinterpret_cast<const FcChar8*>("TrueType")) == 0 ||
           FcStrCmp(format, reinterpret_cast<const FcChar8*>("CFF")) == 0;
}

}  // namespace

void FontFinder::Destroy::operator()(FcConfig* config) const {
    FcConfigDestroy(config);
}

FontFinder::FontFinder() : config_(FcInitLoadConfigAndFonts()) {
    if (!config_)
        throw std::runtime_error("Cannot read the font configuration (fontconfig)");
}

FontFinder::~FontFinder() = default;

std::optional<FontFile> FontFinder::Find(const std::string& family, bool bold) const {
    PatternPtr request(FcPatternCreate());
    if (!request)
        return std::nullopt;
    FcPatternAddString(request.get(), FC_FAMILY, AsFc(family));
    FcPatternAddInteger(request.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(config_.get(), request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());

    // Best match first; fontconfig answers even for a family it does not have.
    FcResult result = FcResultNoMatch;
    FontSetPtr ranked(FcFontSort(config_.get(), request.get(), FcFalse, nullptr, &result));
    if (!ranked || ranked->nfont == 0 || !HasFamily(*ranked->fonts[0], family))
        return std::nullopt;
    const FcPattern& best = *ranked->fonts[0];
    const FcPattern* chosen = &best;
    for (int i = 0; i < ranked->nfont; ++i) {
        const FcPattern& face = *ranked->fonts[i];
        if (HasFamily(face, family) && SameStyle(face, best) && HasOpenTypeMetrics(face)) {
            chosen = &face;
            break;
        }
    }

    FcChar8* path = nullptr;
    if (FcPatternGetString(chosen, FC_FILE, 0, &path) != FcResultMatch)
        return std::nullopt;
    FontFile file;
    file.Path = reinterpret_cast<const char*>(path);
    file.Index = IntegerOf(*chosen, FC_INDEX, 0);
    file.Family = family;
    file.Bold = IntegerOf(*chosen, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
    return file;
}

}  // namespace platform
