// The installed faces behind the 24 styles, and the longest texts the game draws in each style
// measured against the room the screens give them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/TextService.h"
#include "engine/TextStyles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class TextStyleFitTest : public testing::Test {
protected:
    platform::HeadlessDisplay display;
    TTextService text_{display.BackSurface()};
};

TEST_F(TextStyleFitTest, EveryStyleIsDrawnInItsOwnInstalledFaceNotTheFallback) {
    for (int32_t style = 1; style <= TextStyleCount; ++style) {
        text_.SetTextFont(style);
        const std::string_view wanted = SubstituteOf(TextStyle(style)).Family;
        EXPECT_EQ(text_.SelectedFont().Family(), wanted) << "style " << style;
        EXPECT_EQ(text_.SelectedFont().Points(), TextStyle(style).Size) << "style " << style;
        // A line is as tall as the size in pixels at 96 dpi (a face measured by its bounding box,
        // or opened at another resolution, is not).
        EXPECT_NEAR(text_.TextHeight(""), TextStyle(style).Size * 4 / 3.0, 1) << "style " << style;
    }
}

struct TFit {
    int32_t Style;
    int32_t Points;  // 0: the style's own size
    std::string Text;
    int32_t Limit;  // widest allowed, pixels
};

TEST_F(TextStyleFitTest, TheLongestTextOfEveryStyleFitsItsRoom) {
    const std::vector<TFit> fits = {
        {1, 0, "Exit the game?", 290},                // dialog panel
        {1, 0, "Sending...", 290},                    //
        {2, 0, "ANONYMOUS", 240},                     // high-score name column
        {2, 0, std::string(12, 'M'), 240},            //
        {3, 0, "the High Score Table?", 290},         // dialog panel
        {5, 0, "Try again, please!", 350},            // race view, x 225..575
        {5, 0, "Your time is over,", 350},            //
        {6, 0, "LEVEL 10 / 10", 168},                 // centred on 716, screen edge at 800
        {7, 0, "0", 34},                              // lives
        {7, 0, "3", 34},                              //
        {9, 18, "CONGRATULATIONS!", 290},             // dialog panel, style 9 at other sizes
        {9, 14, "Please enter your name: ", 290},     //
        {9, 16, "You finished the race!", 290},       //
        {11, 14, "Send the result to World's", 290},  //
        {11, 16, "Time bonus: 875", 561 - 308},       // left-aligned at 308, panel edge ~561
        {11, 16, "Time left: 120", 561 - 322},        // left-aligned at 322
        {12, 0, "Display:", 2 * (127 - 70)},          // centred on 70, ends before x 127
        {12, 0, "Music:", 2 * (127 - 82)},            // centred on 82
        {12, 0, "Sound:", 2 * (127 - 87)},            // centred on 87
        {13, 0, "SHIFT+F12", 298},                    // boss-key frame
        {16, 0, "Display:", 2 * (127 - 70)},          // highlighted row
        {16, 0, "Sound:", 2 * (127 - 87)},            //
        {17, 0, "1234567", 110},                      // score column
        {18, 0, "02 : 55", 152},                      // HUD time
        {18, 0, "1234567", 164},                      // HUD score, screen edge
        {19, 0, "GAME OVERVIEW", 430},                // help panel
        {20, 0, "that's limited.  Pick up various bonuses and weapons.", 430},
        {20, 0, "Use \"Escape\" key to quit the game to Main Menu. Use", 430},
        {21, 0, "MENU NAVIGATIONS", 430},  //
        {21, 0, "Invulnerability", 140},   // right column on help page 2
        {24, 0, "1300", 68},               // HUD distances, x 732..800
        {24, 0, "6/6", 800 - 670},         // HUD position from x 670
    };
    for (const TFit& fit : fits) {
        text_.SetTextFont(fit.Style);
        if (fit.Points != 0)
            text_.SetTextSize(fit.Points);
        EXPECT_LE(text_.TextWidth(fit.Text), fit.Limit)
            << "style " << fit.Style << " \"" << fit.Text << '"';
    }
}

// Typing stops once the text so far is wider than the limit, so the last character accepted may
// overrun it by one character.
TEST_F(TextStyleFitTest, TheLongestNamesCanBeTyped) {
    // A high-score name of 12 characters, even all capital M, in style 10 within 240 pixels.
    EXPECT_LE(text_.TextWidthIn(std::string(11, 'M'), 10), 240);
    // The country, limited to 345 pixels in style 4 and shown in style 13 inside a frame ~366
    // pixels wide: the widest text that passes the limit still fits the frame.
    std::string country;
    while (country.size() < 16 && text_.TextWidthIn(country, 4) <= 345)
        country += 'W';
    EXPECT_LE(text_.TextWidthIn(country, 13), 366) << country.size() << " x W";
}

}  // namespace
