#pragma once
// The blinking text cursor of the name and country fields.

#include "engine/MyImageSprite.h"

class TMyCursor : public TMyImageSprite {
public:
    // Starts hidden and not blinking.
    TMyCursor(TGameServices& services, uint8_t imageList, int32_t blinkPeriod, int32_t z, double y,
              double x, int32_t image);

    int32_t BlinkPeriod;  // ms between visibility changes
    int32_t BlinkLeft = 0;
    int32_t Blinking = 0;  // 1 = on; when off the cursor hides on its next advance

    void Advance(int32_t lagCount) override;
};
