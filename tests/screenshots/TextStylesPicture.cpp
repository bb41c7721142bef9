#include <array>
#include <string>

#include "Pictures.h"
#include "engine/TextService.h"
#include "engine/TextStyles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

// A text the game draws in each style; the unused styles show their face's name.
constexpr std::array<const char*, TextStyleCount> Samples = {
    "Exit the game?",
    "ANONYMOUS",
    "the High Score Table?",
    "Bold black",
    "Try again, please!",
    "LEVEL 10 / 10",
    "3",
    "BancoDi 16",
    "You finished the race!",
    "PLAYER ONE",
    "Time bonus: 875",
    "Boss Key:",
    "SHIFT+F12",
    "BancoDi 24",
    "Zorvex",
    "Display:",
    "1234567",
    "02 : 55",
    "GAME OVERVIEW",
    "that's limited.  Pick up various bonuses and weapons.",
    "Invulnerability",
    "Courier 14",
    "ZORVEX",
    "6/6  1300",
};

}  // namespace

bool SaveTextStylesPicture(const std::filesystem::path& folder) {
    platform::HeadlessDisplay display;
    platform::Surface& surface = display.BackSurface();
    TTextService text(surface);
    surface.Clear(0x3A4458);  // mid grey-blue: the black, white, blue and green styles all show

    // Styles 1..12 down the left half, 13..24 down the right, each line numbered in style 21.
    constexpr int Gap = 6;
    int y = 8;
    for (int32_t style = 1; style <= TextStyleCount; ++style) {
        const int column = style <= TextStyleCount / 2 ? 0 : 400;
        if (style == TextStyleCount / 2 + 1)
            y = 8;
        text.SetTextFont(21);
        text.DrawTextAt(std::to_string(style), column + 6, y, false, false);
        text.SetTextFont(style);
        text.DrawTextAt(Samples[static_cast<size_t>(style - 1)], column + 34, y, false, false);
        y += text.TextHeight("") + Gap;
    }
    return platform::SavePng(surface.ReadAll(), (folder / "text-styles.png").string());
}
