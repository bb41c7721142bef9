#pragma once
// The game's 24 numbered text styles, and the installed family that draws each of their faces.

#include <array>
#include <cstdint>
#include <string_view>

struct TTextStyle {
    std::string_view Face;  // the face name the style asks for
    int32_t Size;           // points at 96 dpi
    uint32_t Colour;        // 0xRRGGBB
    bool Bold;              // otherwise no style at all: not italic, not underlined
};

inline constexpr int32_t TextStyleCount = 24;

// Style n (1..24) is TextStyles[n - 1].
inline constexpr std::array<TTextStyle, TextStyleCount> TextStyles = {{
    {"NewZelek", 24, 0x327EF0, false},  // 1
    {"NewZelek", 14, 0xFFFFFF, false},  // 2
    {"NewZelek", 16, 0x327EF0, false},  // 3
    {"NewZelek", 28, 0x000000, true},   // 4
    {"NewZelek", 30, 0x327EF0, false},  // 5
    {"Crystal", 14, 0x60FF00, false},   // 6
    {"Crystal", 24, 0x60FF00, false},   // 7
    {"BancoDi", 16, 0xFFFFFF, false},   // 8
    {"NewZelek", 16, 0x327EF0, false},  // 9
    {"NewZelek", 18, 0x327EF0, false},  // 10
    {"NewZelek", 16, 0x327EF0, false},  // 11
    {"NewZelek", 18, 0xFFFFFF, false},  // 12
    {"NewZelek", 18, 0x327EF0, false},  // 13
    {"BancoDi", 24, 0xFFDE00, false},   // 14
    {"BancoDi", 78, 0xFFF2A8, false},   // 15
    {"NewZelek", 18, 0xC0C0C0, false},  // 16
    {"NewZelek", 14, 0xFFFFFF, false},  // 17
    {"Crystal", 18, 0x60FF00, false},   // 18
    {"NewZelek", 20, 0xFFFFFF, false},  // 19
    {"NewZelek", 10, 0xFFFFFF, false},  // 20
    {"NewZelek", 12, 0xFFFFFF, false},  // 21
    {"Courier", 14, 0x00FF00, false},   // 22
    {"NewZelek", 16, 0xFFFFFF, false},  // 23
    {"Crystal", 10, 0x60FF00, false},   // 24
}};

// None of the style faces ships with the game; each is drawn with an installed family chosen for
// its look (docs/fonts.md). BancoDi is a bold display face, so its substitute is always bold.
struct TFaceSubstitute {
    std::string_view Face;
    std::string_view Family;
    bool AlwaysBold;
};

inline constexpr std::array<TFaceSubstitute, 4> FaceSubstitutes = {{
    {"NewZelek", "Nimbus Sans", false},
    {"Crystal", "DSEG14 Classic", false},
    {"BancoDi", "Nimbus Sans Narrow", true},
    {"Courier", "Nimbus Mono PS", false},
}};

// Index of face in FaceSubstitutes; FaceSubstitutes.size() for a face the table does not know.
constexpr size_t FaceSubstituteIndex(std::string_view face) {
    size_t index = 0;
    while (index < FaceSubstitutes.size() && FaceSubstitutes[index].Face != face)
        ++index;
    return index;
}

constexpr bool EveryStyleHasASubstitute() {
    for (const TTextStyle& style : TextStyles)
        if (FaceSubstituteIndex(style.Face) == FaceSubstitutes.size())
            return false;
    return true;
}
static_assert(EveryStyleHasASubstitute(), "a text style names a face with no installed substitute");

// The installed family that draws style's face.
constexpr const TFaceSubstitute& SubstituteOf(const TTextStyle& style) {
    return FaceSubstitutes[FaceSubstituteIndex(style.Face)];
}

// Style n; throws std::out_of_range unless 1 <= n <= TextStyleCount.
const TTextStyle& TextStyle(int32_t n);
