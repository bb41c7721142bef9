#pragma once
// The base of every game object drawn from an image: image chosen by list and index, an animation
// rate in percent of one pattern per nominal frame, one-shot animations that kill or hide the
// sprite when they wrap, translucent drawing for menu fades, and the sprite's centre.

#include <cstdint>

#include "engine/GameServices.h"
#include "engine/ImageSprite.h"

class TMyImageSprite : public TImageSprite {
public:
    // A direct child of the engine root: X, Y are screen coordinates of the top-left corner.
    TMyImageSprite(TGameServices& services, uint8_t imageList);
    // Top-left at (x, y).
    static TMyImageSprite* CreateAt(TGameServices& services, uint8_t imageList, int32_t imageIndex,
                                    double x, double y, int32_t z) {
        return CreatePlaced(services, imageList, imageIndex, x, y, z, false);
    }
    // Centred on (x, y).
    static TMyImageSprite* CreateCentred(TGameServices& services, uint8_t imageList,
                                         int32_t imageIndex, double x, double y, int32_t z) {
        return CreatePlaced(services, imageList, imageIndex, x, y, z, true);
    }

    bool AlphaOn = false;
    int32_t Alpha = 255;   // opacity 0..255 when AlphaOn
    int32_t AnimRate = 0;  // % of a pattern per nominal frame; 0 or less leaves FrameSpeed alone
    uint8_t ImageList;     // 1 or 2; any other value keeps the current image on SelectImage
    bool KillAtAnimEnd = false;
    bool HideAtAnimEnd = false;
    double PrevFramePos = 0;
    double StartFramePos = 0;
    int32_t SpriteCentreX = 0;
    int32_t SpriteCentreY = 0;
    bool Killed = false;

    void SelectImage(int32_t imageIndex);
    void StartAnimation(int32_t imageIndex, int32_t rate);
    void KillOnce();

    void Render() override;
    void Advance(int32_t moveCount) override;

private:
    static TMyImageSprite* CreatePlaced(TGameServices& services, uint8_t imageList,
                                        int32_t imageIndex, double x, double y, int32_t z,
                                        bool centred);

protected:
    // Sets X, Y so that (x, y) is the top-left corner, or the centre when centred.
    void Place(double x, double y, bool centred);

    TGameServices& Services;
};
