#pragma once
// The help screen: five pages (overview, the objects of the race, two pages of controls, about)
// stepped through with a previous and a next button.

#include <array>
#include <vector>

#include "engine/PlacedText.h"

#include "screens/ScreenHost.h"

class TMyImageSprite;
class TScrollBackground;

class THelpScreen {
public:
    static constexpr int32_t PageCount = 5;

    explicit THelpScreen(TScreenContext& context) : context_(context) {}

    void Build();
    void Frame(int32_t lagCount);
    void Leave();
    // Items 7 (previous) and 8 (next), wrapping between the first and the last page.
    void StepPage(int32_t direction);
    // The texts of page 1..5 as the screen draws them.
    static std::vector<TPlacedText> PageTexts(int32_t page);

    int32_t HelpPage = 1;

private:
    void DrawPage();

    TScreenContext& context_;
    TScrollBackground* background_ = nullptr;
    TMyImageSprite* title_ = nullptr;
    TMyImageSprite* panel_ = nullptr;
    TMyImageSprite* logo_ = nullptr;
    std::array<TMyImageSprite*, 8> objects_ = {};  // the pictures of page 2
};
