#pragma once
// A rectangle in surface pixels: left, top inclusive; right, bottom exclusive.

namespace platform {

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static Rect FromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const Rect&) const = default;
};

}  // namespace platform
