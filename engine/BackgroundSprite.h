#pragma once
// A tiled background: a map of pattern indices (chips) drawn cell by cell, optionally repeating
// endlessly in both directions.

#include <vector>

#include "engine/Sprite.h"

class TImageItem;

class TBackgroundSprite : public TSprite {
public:
    using TSprite::TSprite;

    const TImageItem* ImageItem = nullptr;  // not owned
    bool WrapAround = false;

    int32_t MapWidth() const { return mapWidth_; }
    int32_t MapHeight() const { return mapHeight_; }
    // A new size clears the map to pattern 0 and the hit map to 1, even when it grows; the
    // current size keeps both.
    void SetMapSize(int32_t width, int32_t height);
    int32_t ChipAt(int32_t col, int32_t row) const;           // -1 outside the map
    void SetChipAt(int32_t col, int32_t row, int32_t value);  // ignored outside the map
    bool HitAt(int32_t col, int32_t row) const;               // false outside the map
    // Stores the item; the size becomes the pattern size times the map size.
    void SetImageItem(const TImageItem* item);

    void Render() override;
    TRect Bounds() const override;

private:
    bool Inside(int32_t col, int32_t row) const {
        return col >= 0 && row >= 0 && col < mapWidth_ && row < mapHeight_;
    }
    size_t CellIndex(int32_t col, int32_t row) const {
        return static_cast<size_t>(col) + static_cast<size_t>(row) * mapWidth_;
    }
    void DrawChip(int32_t col, int32_t row, int32_t x, int32_t y) const;

    int32_t mapWidth_ = 0;
    int32_t mapHeight_ = 0;
    std::vector<int32_t> chipMap_;  // row-major pattern indices
    std::vector<uint8_t> hitMap_;
};
