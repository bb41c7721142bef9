#pragma once
// A sprite drawn from a pattern of an image, with a simple frame animation.

#include "engine/Sprite.h"

class TImageItem;

class TImageSprite : public TSprite {
public:
    using TSprite::TSprite;

    int32_t FrameCount = 0;  // animation frames
    bool FrameLoop = false;
    double FramePos = 0;                    // animation position in frames
    double FrameSpeed = 0;                  // frames per move unit (ms)
    int32_t FirstFrame = 0;                 // pattern of frame 0
    const TImageItem* ImageItem = nullptr;  // not owned: images belong to the lists
    bool PixelCollide = false;  // kept for completeness; the game tests collisions itself
    bool WrapAround = false;

    int32_t FrameIndex() const;
    // Stores the item; Width and Height become its pattern size (0 x 0 for none).
    virtual void SetImageItem(const TImageItem* item);
    // Bounds shifted so that a pattern of another size is centred on the sprite.
    TRect DrawRect() const;

    void Render() override;
    void Advance(int32_t moveCount) override;
    TRect Bounds() const override;
};
