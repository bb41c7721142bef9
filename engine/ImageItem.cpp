#include "engine/ImageItem.h"

#include "platform/Surface.h"

TImageItem::TImageItem(std::string name, const TPatternGrid& grid,
                       std::unique_ptr<platform::Picture> picture)
    : name_(std::move(name)),
      grid_(grid),
      patternCount_(grid.PatternCount()),
      picture_(std::move(picture)) {}

TImageItem::~TImageItem() = default;

platform::Rect TImageItem::PatternRect(int32_t index) const {
    return platform::Rect::FromSize(grid_.PatternLeft(index), grid_.PatternTop(index),
                                    grid_.PatternWidth, grid_.PatternHeight);
}

void TImageItem::DrawPattern(platform::Surface& surface, int32_t x, int32_t y,
                             int32_t pattern) const {
    if (!picture_ || !ValidPattern(pattern))
        return;
    surface.Copy(*picture_, PatternRect(pattern), x, y);
}

void TImageItem::DrawPatternAlpha(platform::Surface& surface, const platform::Rect& dest,
                                  int32_t pattern, int32_t alpha) const {
    if (!picture_ || !ValidPattern(pattern) || alpha <= 0)
        return;
    surface.CopyScaled(*picture_, PatternRect(pattern), dest, alpha > 255 ? 255 : alpha);
}

void TImageItem::DrawPatternRotated(platform::Surface& surface, int32_t x, int32_t y, int32_t width,
                                    int32_t height, int32_t pattern, double centreX, double centreY,
                                    int32_t angle) const {
    if (!picture_ || !ValidPattern(pattern) || width == 0 || height == 0)
        return;
    const double degrees = (angle & 0xFF) * 360.0 / 256.0;
    surface.CopyRotated(*picture_, PatternRect(pattern), x, y, width, height, centreX * width,
                        centreY * height, degrees);
}
