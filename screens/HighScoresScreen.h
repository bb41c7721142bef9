#pragma once
// The high-score screen: the ten entries of the local table, a button that clears the table and
// one that opens the world high-score page.

#include <vector>

#include "engine/PlacedText.h"
#include "save/HighScores.h"
#include "screens/ScreenHost.h"

class TMyImageSprite;
class TScrollBackground;

class THighScoresScreen {
public:
    THighScoresScreen(TScreenContext& context, const THighScoreTable& table)
        : context_(context), table_(table) {}

    void Build();
    void Frame(int32_t lagCount);
    void Leave();
    // The table's texts as the screen draws them: three headers, then place, name and score of
    // each entry.
    std::vector<TPlacedText> TableTexts() const;

private:
    TScreenContext& context_;
    const THighScoreTable& table_;
    TScrollBackground* background_ = nullptr;
    TMyImageSprite* title_ = nullptr;
    TMyImageSprite* panel_ = nullptr;
};
