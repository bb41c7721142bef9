#pragma once
// What changed between the last presented frame and the new one, so that an unchanged frame is
// not presented and a changed one copies only the changed part. Knows nothing of SDL: a frame is
// rows of pixels of a fixed size in bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Rect.h"

namespace platform {

class ChangedArea {
public:
    ChangedArea(int width, int height, int bytesPerPixel);

    // Compares the frame (height rows, pitch bytes apart) with the last one compared and keeps a
    // copy of it. Returns row bands with the column extent of their changes, top to bottom and
    // not overlapping; empty when the picture is unchanged. The first frame, and the first after
    // Forget, is changed everywhere.
    const std::vector<Rect>& Compare(const void* pixels, int pitch);

    // The shown picture was lost (the window was uncovered or changed size): the next frame is
    // changed everywhere.
    void Forget() { known_ = false; }

private:
    // Beyond this many bands one rectangle around them all is cheaper to copy and present.
    static constexpr std::size_t MaxBands = 16;

    void AddRow(int row, int left, int right);

    int width_;
    int height_;
    int bytesPerPixel_;
    std::vector<uint8_t> last_;
    bool known_ = false;
    std::vector<Rect> bands_;
};

}  // namespace platform
