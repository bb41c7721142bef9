// The changed part of a frame: what decides whether a frame is presented and which pixels are
// sent to the window.

#include <gtest/gtest.h>

#include <vector>

#include "platform/ChangedArea.h"

namespace {

using platform::Rect;

// A 7 x 5 frame of 2-byte pixels whose rows are 16 bytes apart: 2 bytes of padding per row.
struct SmallFrame {
    static constexpr int Width = 7, Height = 5, Pitch = 16;
    std::vector<uint8_t> bytes = std::vector<uint8_t>(Pitch * Height, 0x11);
    platform::ChangedArea area{Width, Height, 2};

    uint8_t& Byte(int x, int y, int which) { return bytes[y * Pitch + x * 2 + which]; }
    std::vector<Rect> Compare() { return area.Compare(bytes.data(), Pitch); }
};

TEST(ChangedArea, TheFirstFrameIsWholeAnUnchangedOneIsEmptyAndForgettingStartsAgain) {
    SmallFrame frame;
    EXPECT_EQ(frame.Compare(), std::vector<Rect>({{0, 0, 7, 5}}));
    EXPECT_TRUE(frame.Compare().empty());
    frame.bytes[14] = 0x99;  // the padding after the first row is no pixel
    EXPECT_TRUE(frame.Compare().empty());
    frame.area.Forget();
    EXPECT_EQ(frame.Compare(), std::vector<Rect>({{0, 0, 7, 5}}));
}

TEST(ChangedArea, OnePixelAtEachCornerIsThatPixelAndIsRememberedOnce) {
    SmallFrame frame;
    frame.Compare();
    const int corners[4][2] = {{0, 0}, {6, 0}, {0, 4}, {6, 4}};
    for (const auto& corner : corners) {
        const int x = corner[0], y = corner[1];
        // Only the second byte of the pixel: the whole pixel changed, nothing beside it.
        frame.Byte(x, y, 1) ^= 0x40;
        EXPECT_EQ(frame.Compare(), std::vector<Rect>({{x, y, x + 1, y + 1}})) << x << "," << y;
        EXPECT_TRUE(frame.Compare().empty()) << x << "," << y;
    }
}

TEST(ChangedArea, TouchingRowsJoinInOneBandAndAGapStartsAnother) {
    SmallFrame frame;
    frame.Compare();
    frame.Byte(5, 0, 0) = 1;
    frame.Byte(1, 1, 0) = 1;  // under row 0: one band from column 1 to 5
    frame.Byte(3, 3, 0) = 1;  // after the unchanged row 2: a band of its own
    EXPECT_EQ(frame.Compare(), std::vector<Rect>({{1, 0, 6, 2}, {3, 3, 4, 4}}));
    // The copy was updated where the change was, and only there.
    frame.Byte(4, 0, 0) = 1;
    EXPECT_EQ(frame.Compare(), std::vector<Rect>({{4, 0, 5, 1}}));
}

TEST(ChangedArea, ManySeparateBandsBecomeOneRectangleAroundThem) {
    constexpr int Width = 50, Height = 40;
    std::vector<uint8_t> bytes(Width * 2 * Height);
    platform::ChangedArea area{Width, Height, 2};
    area.Compare(bytes.data(), Width * 2);
    for (int row = 2; row < Height; row += 2)  // 19 bands, one pixel each, walking right
        bytes[row * Width * 2 + row * 2] = 1;
    EXPECT_EQ(area.Compare(bytes.data(), Width * 2), std::vector<Rect>({{2, 2, 39, 39}}));
}

}  // namespace
