#pragma once
// The root of the sprite tree: draws, moves and sweeps the whole tree once per frame.

#include <vector>

#include "engine/Sprite.h"

namespace platform {
class Surface;
}

class TSpriteEngine : public TSprite {
public:
    TSpriteEngine() : TSprite(nullptr) {}
    ~TSpriteEngine() override;

    int32_t SpriteCount = 0;         // sprites alive in the tree, the root not counted
    std::vector<TSprite*> DeadList;  // killed, not yet freed
    int32_t DrawnCount = 0;          // sprites rendered by the last Draw
    platform::Surface* Surface = nullptr;
    TRect SurfaceRect;

    void SetSurface(platform::Surface* surface);
    void Draw();
    // Frees every killed sprite (and with it its subtree).
    void Dead();
};
