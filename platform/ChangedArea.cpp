#include "platform/ChangedArea.h"

#include <algorithm>
#include <cstring>

namespace platform {

ChangedArea::ChangedArea(int width, int height, int bytesPerPixel)
    : width_(width),
      height_(height),
      bytesPerPixel_(bytesPerPixel),
      last_(static_cast<size_t>(width) * height * bytesPerPixel) {}

const std::vector<Rect>& ChangedArea::Compare(const void* pixels, int pitch) {
    bands_.clear();
    const size_t rowBytes = static_cast<size_t>(width_) * bytesPerPixel_;
    const auto* frame = static_cast<const uint8_t*>(pixels);
    if (!known_) {
        for (int row = 0; row < height_; ++row)
            std::memcpy(&last_[row * rowBytes], frame + static_cast<size_t>(row) * pitch, rowBytes);
        bands_.push_back({0, 0, width_, height_});
        known_ = true;
        return bands_;
    }
    for (int row = 0; row < height_; ++row) {
        const uint8_t* now = frame + static_cast<size_t>(row) * pitch;
        uint8_t* before = &last_[row * rowBytes];
        // memcmp runs many bytes at a time; most rows of most frames are unchanged.
        if (std::memcmp(now, before, rowBytes) == 0)
            continue;
        const auto first = std::mismatch(now, now + rowBytes, before).first;
        const auto lastReversed =
            std::mismatch(std::reverse_iterator(now + rowBytes), std::reverse_iterator(now),
                          std::reverse_iterator(before + rowBytes))
                .first;
        const size_t from = static_cast<size_t>(first - now) / bytesPerPixel_ * bytesPerPixel_;
        const size_t to = static_cast<size_t>(lastReversed.base() - now + bytesPerPixel_ - 1) /
                          bytesPerPixel_ * bytesPerPixel_;
        std::memcpy(before + from, now + from, to - from);
        AddRow(row, static_cast<int>(from) / bytesPerPixel_, static_cast<int>(to) / bytesPerPixel_);
    }
    if (bands_.size() > MaxBands) {
        Rect all = bands_.front();
        for (const Rect& band : bands_) {
            all.Left = std::min(all.Left, band.Left);
            all.Right = std::max(all.Right, band.Right);
        }
        all.Bottom = bands_.back().Bottom;
        bands_.assign(1, all);
    }
    return bands_;
}

// A changed row directly under the last band widens that band; after an unchanged row a new band
// starts.
void ChangedArea::AddRow(int row, int left, int right) {
    if (!bands_.empty() && bands_.back().Bottom == row) {
        Rect& band = bands_.back();
        band.Left = std::min(band.Left, left);
        band.Right = std::max(band.Right, right);
        band.Bottom = row + 1;
        return;
    }
    bands_.push_back({left, row, right, row + 1});
}

}  // namespace platform
