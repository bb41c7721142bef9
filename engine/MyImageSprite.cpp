#include "engine/MyImageSprite.h"

#include "engine/Rounding.h"

TMyImageSprite::TMyImageSprite(TGameServices& services, uint8_t imageList)
    : TImageSprite(&services.Root), ImageList(imageList), Services(services) {
    FrameLoop = true;
}

TMyImageSprite* TMyImageSprite::CreatePlaced(TGameServices& services, uint8_t imageList,
                                             int32_t imageIndex, double x, double y, int32_t z,
                                             bool centred) {
    auto* sprite = NewSprite<TMyImageSprite>(services, imageList);
    sprite->SelectImage(imageIndex);
    sprite->Place(x, y, centred);
    sprite->SetZ(z);
    return sprite;
}

void TMyImageSprite::Place(double x, double y, bool centred) {
    X = centred ? x - Width / 2.0 : x;
    Y = centred ? y - Height / 2.0 : y;
}

void TMyImageSprite::SelectImage(int32_t imageIndex) {
    if (ImageList == 1 || ImageList == 2)
        SetImageItem(&Services.List(ImageList).Items(imageIndex));
    Width = ImageItem ? ImageItem->PatternWidth() : 0;
    Height = ImageItem ? ImageItem->PatternHeight() : 0;
    FramePos = PrevFramePos = StartFramePos = 0;
    FrameCount = ImageItem ? ImageItem->PatternCount() : 0;
}

void TMyImageSprite::StartAnimation(int32_t imageIndex, int32_t rate) {
    SelectImage(imageIndex);
    FramePos = PrevFramePos = StartFramePos = 0;
    FrameLoop = true;
    AnimRate = rate;
}

void TMyImageSprite::KillOnce() {
    if (Killed)
        return;
    Kill();
    Killed = true;
}

void TMyImageSprite::Render() {
    if (!Visible)
        return;
    if (AlphaOn && Alpha != 255) {
        if (!ImageItem || !Engine || !Engine->Surface)
            return;
        // Fades draw from X, Y without centring, and ignore FirstFrame.
        const TRect dest = {Trunc(X), Trunc(Y), Trunc(X + Width), Trunc(Y + Height)};
        ImageItem->DrawPatternAlpha(*Engine->Surface, dest, Trunc(FramePos), Alpha);
        return;
    }
    TImageSprite::Render();
}

void TMyImageSprite::Advance(int32_t moveCount) {
    StartFramePos = FramePos;
    TImageSprite::Advance(moveCount);
    // Keeps the rounded frame inside 0..FrameCount-1 for loops; a clamped one-shot at
    // FrameCount - 1 is below the threshold.
    if (FramePos > FrameCount - 0.5)
        FramePos = 0;
    SpriteCentreX = Trunc(X + Width / 2.0);
    SpriteCentreY = Trunc(Y + Height / 2.0);
    const bool wrapped = FramePos < PrevFramePos;
    if (KillAtAnimEnd && wrapped)
        KillOnce();
    if (HideAtAnimEnd && wrapped)
        Visible = false;
    PrevFramePos = FramePos;
    // Takes effect from the next move: a rate of 100 advances one pattern per nominal frame
    // whatever the real frame rate, since moveCount is the frame's elapsed ms.
    if (AnimRate > 0)
        FrameSpeed = (1.0 / Services.Timing.FrameTime) * AnimRate / 100.0;
}
