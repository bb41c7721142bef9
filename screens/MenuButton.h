#pragma once
// A selectable item of a menu or dialog: an image sprite with a normal and a highlighted look
// (another image, or another pattern of the same image). All buttons use image list 1.

#include "engine/MyImageSprite.h"

class TMenuButton : public TMyImageSprite {
public:
    TMenuButton(TGameServices& services, uint8_t imageList, double y, double x,
                int32_t normalPattern, int32_t highPattern, int32_t normalImage, int32_t highImage);

    int32_t HighImage;
    int32_t NormalImage;
    int32_t HighPattern;
    int32_t NormalPattern;
    int32_t HitWidth = -1;  // mouse hit size; -1 means the sprite's Width / Height
    int32_t HitHeight = -1;
    bool Highlighted = false;
    bool DialogZ = false;           // the look also sets Z: 15 normal, 17 highlighted
    bool RaiseOnHighlight = false;  // the look also sets Z: NormalZ normal, HighZ highlighted
    int32_t NormalZ;
    int32_t HighZ;

    void NormalLook();
    void HighlightLook();
    // The mouse hit rectangle, edges included.
    bool Hit(int32_t x, int32_t y) const;
};
