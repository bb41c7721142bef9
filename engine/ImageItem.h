#pragma once
// One image of an image list: a picture cut into patterns, and the three ways the game draws a
// pattern onto the back surface. Every drawing skips invalid patterns and clips to the surface.

#include <cstdint>
#include <memory>
#include <string>

#include "engine/PatternGrid.h"
#include "platform/Rect.h"

namespace platform {
class Picture;
class Surface;
}  // namespace platform

class TImageItem {
public:
    TImageItem(std::string name, const TPatternGrid& grid,
               std::unique_ptr<platform::Picture> picture);
    ~TImageItem();

    const std::string& Name() const { return name_; }
    int32_t PatternWidth() const { return grid_.PatternWidth; }
    int32_t PatternHeight() const { return grid_.PatternHeight; }
    int32_t PatternCount() const { return patternCount_; }
    bool ValidPattern(int32_t index) const { return index >= 0 && index < patternCount_; }
    // The pattern's rectangle within the picture.
    platform::Rect PatternRect(int32_t index) const;

    // Unscaled, top-left at (x, y).
    void DrawPattern(platform::Surface& surface, int32_t x, int32_t y, int32_t pattern) const;
    // Scaled into dest with opacity alpha/255; 255 draws plainly, 0 or less draws nothing.
    void DrawPatternAlpha(platform::Surface& surface, const platform::Rect& dest, int32_t pattern,
                          int32_t alpha) const;
    // Scaled to width x height and turned by angle (1/256 turn, clockwise, low 8 bits) about the
    // pivot at (centreX x width, centreY x height) from the scaled pattern's top-left; the pivot
    // is placed at (x, y).
    void DrawPatternRotated(platform::Surface& surface, int32_t x, int32_t y, int32_t width,
                            int32_t height, int32_t pattern, double centreX, double centreY,
                            int32_t angle) const;

private:
    std::string name_;
    TPatternGrid grid_;
    int32_t patternCount_;
    std::unique_ptr<platform::Picture> picture_;
};
