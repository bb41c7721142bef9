#pragma once
// The options screen: display mode, music, sound effects, the country sent with results, and the
// boss key. Rows 7..11 are hot spots over the panel; the texts are drawn each frame.

#include <string>

#include "screens/ScreenHost.h"

class TMyCursor;
class TMyImageSprite;
class TScrollBackground;

class TOptionsScreen {
public:
    explicit TOptionsScreen(TScreenContext& context) : context_(context) {}

    void Build();
    void Frame(int32_t lagCount);
    void Leave();
    // The texts alone, drawn under a dialog too.
    void DrawTexts();

    // Typed characters go to the country while this is on.
    bool CountryEdit() const { return countryEdit_; }
    void ToggleCountryEdit();

private:
    void ShowStateImages();

    TScreenContext& context_;
    TScrollBackground* background_ = nullptr;
    TMyImageSprite* title_ = nullptr;
    TMyImageSprite* panel_ = nullptr;
    TMyImageSprite* countryFrame_ = nullptr;
    TMyImageSprite* bossKeyFrame_ = nullptr;
    TMyImageSprite* displayState_ = nullptr;
    TMyImageSprite* musicState_ = nullptr;
    TMyImageSprite* soundState_ = nullptr;
    TMyCursor* cursor_ = nullptr;
    bool countryEdit_ = false;
};

// "ALT+", "CTRL+" or "SHIFT+" and "F1".."F12"; "?" stands for a missing part.
std::string BossKeyName(const TBossKeyOptions& keys);
