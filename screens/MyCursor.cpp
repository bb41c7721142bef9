#include "screens/MyCursor.h"

TMyCursor::TMyCursor(TGameServices& services, uint8_t imageList, int32_t blinkPeriod, int32_t z,
                     double y, double x, int32_t image)
    : TMyImageSprite(services, imageList), BlinkPeriod(blinkPeriod) {
    SelectImage(image);
    X = x;
    Y = y;
    SetZ(z);
    Visible = false;
}

void TMyCursor::Advance(int32_t lagCount) {
    TMyImageSprite::Advance(lagCount);
    if (Blinking != 1) {
        Visible = false;
        return;
    }
    const int32_t frameTime = Services.Timing.FrameTime;
    if (BlinkLeft - frameTime >= 0) {
        BlinkLeft -= frameTime;
    } else {
        BlinkLeft = BlinkPeriod;
        Visible = !Visible;
    }
}
