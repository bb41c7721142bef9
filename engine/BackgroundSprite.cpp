#include "engine/BackgroundSprite.h"

#include <algorithm>

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"

void TBackgroundSprite::SetMapSize(int32_t width, int32_t height) {
    if (width == mapWidth_ && height == mapHeight_)
        return;
    if (width <= 0 || height <= 0)
        width = height = 0;
    mapWidth_ = width;
    mapHeight_ = height;
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    chipMap_.assign(cells, 0);
    hitMap_.assign(cells, 1);
}

int32_t TBackgroundSprite::ChipAt(int32_t col, int32_t row) const {
    return Inside(col, row) ? chipMap_[CellIndex(col, row)] : -1;
}

void TBackgroundSprite::SetChipAt(int32_t col, int32_t row, int32_t value) {
    if (Inside(col, row))
        chipMap_[CellIndex(col, row)] = value;
}

bool TBackgroundSprite::HitAt(int32_t col, int32_t row) const {
    return Inside(col, row) && hitMap_[CellIndex(col, row)] != 0;
}

void TBackgroundSprite::SetImageItem(const TImageItem* item) {
    ImageItem = item;
    Width = item ? item->PatternWidth() * mapWidth_ : 0;
    Height = item ? item->PatternHeight() * mapHeight_ : 0;
}

TRect TBackgroundSprite::Bounds() const {
    if (WrapAround && Engine)
        return Engine->SurfaceRect;
    if (!ImageItem)
        return {};
    const int32_t left = Round(WorldX());
    const int32_t top = Round(WorldY());
    return {left, top, left + ImageItem->PatternWidth() * mapWidth_,
            top + ImageItem->PatternHeight() * mapHeight_};
}

void TBackgroundSprite::DrawChip(int32_t col, int32_t row, int32_t x, int32_t y) const {
    const int32_t chip = ChipAt(col, row);
    if (chip >= 0)
        ImageItem->DrawPattern(*Engine->Surface, x, y, chip);
}

// Draws only the cells that fall on the surface, from the cell under the surface's top-left.
void TBackgroundSprite::Render() {
    if (!ImageItem || mapWidth_ == 0 || !Engine || !Engine->Surface)
        return;
    const platform::Rect cell = ImageItem->PatternRect(0);
    const int32_t cw = cell.Width();
    const int32_t ch = cell.Height();
    if (cw <= 0 || ch <= 0)
        return;
    const TRect& s = Engine->SurfaceRect;
    const int32_t nx = (s.Right + cw) / cw + 1;
    const int32_t ny = (s.Bottom + ch) / ch + 1;
    const int32_t px = Round(WorldX());
    const int32_t py = Round(WorldY());
    const int32_t ox = px % cw;
    const int32_t oy = py % ch;
    int32_t sx = px / cw;
    int32_t sy = py / ch;
    int32_t kx = 0;
    int32_t ky = 0;
    if (sx < 0) {
        kx = -sx;
        sx = 0;
    }
    if (sy < 0) {
        ky = -sy;
        sy = 0;
    }
    if (WrapAround) {
        for (int32_t cy = -1; cy <= ny; ++cy)
            for (int32_t cx = -1; cx <= nx; ++cx)
                DrawChip(PositiveMod(cx - sx + kx, mapWidth_),
                         PositiveMod(cy - sy + ky, mapHeight_), cx * cw + ox, cy * ch + oy);
        return;
    }
    const int32_t ex = std::min(sx + mapWidth_ - kx, nx);
    const int32_t ey = std::min(sy + mapHeight_ - ky, ny);
    for (int32_t cy = sy; cy < ey; ++cy)
        for (int32_t cx = sx; cx < ex; ++cx)
            DrawChip(cx - sx + kx, cy - sy + ky, cx * cw + ox, cy * ch + oy);
}
