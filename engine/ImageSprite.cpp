#include "engine/ImageSprite.h"

#include "engine/ImageItem.h"
#include "engine/Rounding.h"
#include "engine/SpriteEngine.h"

int32_t TImageSprite::FrameIndex() const {
    return Round(FramePos) + FirstFrame;
}

void TImageSprite::SetImageItem(const TImageItem* item) {
    ImageItem = item;
    Width = item ? item->PatternWidth() : 0;
    Height = item ? item->PatternHeight() : 0;
}

void TImageSprite::Advance(int32_t moveCount) {
    FramePos += FrameSpeed * moveCount;
    if (FrameLoop) {
        if (FrameCount > 0) {
            FramePos -= Round(FramePos / FrameCount) * static_cast<double>(FrameCount);
            if (FramePos < 0)
                FramePos += FrameCount;
        } else {
            FramePos = 0;
        }
        return;
    }
    // A one-shot animation stops on its last frame (or its first, going backwards).
    if (FramePos >= FrameCount) {
        FramePos = FrameCount - 1;
        FrameSpeed = 0;
    }
    if (FramePos < 0) {
        FramePos = 0;
        FrameSpeed = 0;
    }
}

TRect TImageSprite::Bounds() const {
    int32_t x = Round(WorldX());
    int32_t y = Round(WorldY());
    if (WrapAround && Engine) {
        const TRect& s = Engine->SurfaceRect;
        x = PositiveMod(x, s.Right + Width);
        y = PositiveMod(y, s.Bottom + Height);
        if (x > s.Right)
            x = x - s.Right - Width;
        if (y > s.Bottom)
            y = y - s.Bottom - Height;
    }
    return {x, y, x + Width, y + Height};
}

TRect TImageSprite::DrawRect() const {
    TRect r = Bounds();
    const int32_t dx = ImageItem ? (Width - ImageItem->PatternWidth()) / 2 : 0;
    const int32_t dy = ImageItem ? (Height - ImageItem->PatternHeight()) / 2 : 0;
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

void TImageSprite::Render() {
    if (!ImageItem || !Engine || !Engine->Surface)
        return;
    const TRect r = DrawRect();
    ImageItem->DrawPattern(*Engine->Surface, r.Left, r.Top, FrameIndex());
}
