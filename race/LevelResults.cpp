#include "race/LevelResults.h"

#include <string>

#include "engine/SoundList.h"
#include "engine/TextService.h"
#include "race/LevelTables.h"

namespace {

constexpr int32_t LineMs = 1000;
constexpr int32_t ResultLines = 4;
constexpr int32_t CountStartsWithLine = ResultLines + 1;
constexpr int32_t CountSpeed = 10;  // ms of time left counted per ms of frame
constexpr int32_t PointsPerSecond = 5;
constexpr int32_t PauseMs = 2000;
constexpr int32_t LineSound = 3;
constexpr int32_t TickSound = 18;

constexpr int32_t ResultsStyle = 11;
constexpr int32_t CentreX = 400;        // pixels
constexpr int32_t RankLineY = 252;      // centre of the first line
constexpr int32_t LineSpacing = 30;     // pixels between the lines' centres
constexpr int32_t TimeLeftLeft = 322;   // left edge of the third line
constexpr int32_t TimeBonusLeft = 308;  // left edge of the fourth line

}  // namespace

void TLevelResults::Begin(int32_t timeLeft, int32_t rank) {
    TimeLeftAtFinish = timeLeft;
    TimeBonus = 0;
    RankBonus = RankBonusOf(rank);
    LineTimer = 0;
    ShownLines = 0;
}

void TLevelResults::StepLines(int32_t frameTime, TSoundList& sounds) {
    if (LineTimer > 0) {
        LineTimer -= frameTime;
        return;
    }
    LineTimer = LineMs;
    ++ShownLines;
    if (ShownLines < CountStartsWithLine)
        sounds.PlaySound(LineSound);
}

void TLevelResults::Draw(TTextService& text, int32_t rank) const {
    text.SetTextFont(ResultsStyle);
    if (ShownLines >= 1)
        text.DrawTextAt("Your rank is " + std::to_string(rank), CentreX, RankLineY, true, true);
    if (ShownLines >= 2)
        text.DrawTextAt("Bonus: " + std::to_string(RankBonus), CentreX, RankLineY + LineSpacing,
                        true, true);
    if (ShownLines >= 3)
        text.DrawTextAt("Time left: " + std::to_string(TimeLeftAtFinish / 1000), TimeLeftLeft,
                        RankLineY + 2 * LineSpacing, false, true);
    if (ShownLines >= 4)
        text.DrawTextAt("Time bonus: " + std::to_string(TimeBonus), TimeBonusLeft,
                        RankLineY + 3 * LineSpacing, false, true);
}

// Every whole second the count passes is worth 5 points, however many one frame passes.
bool TLevelResults::CountTimeBonus(int32_t frameTime, TSoundList& sounds) {
    if (ShownLines < CountStartsWithLine)
        return false;
    if (TimeLeftAtFinish >= 0) {
        const int32_t secondsBefore = TimeLeftAtFinish / 1000;
        TimeLeftAtFinish -= CountSpeed * frameTime;
        const int32_t secondsPassed = secondsBefore - TimeLeftAtFinish / 1000;
        if (secondsPassed > 0) {
            TimeBonus += PointsPerSecond * secondsPassed;
            sounds.PlaySound(TickSound);
        }
        PauseTimer = PauseMs;
        return false;
    }
    PauseTimer -= frameTime;
    return PauseTimer <= 0;
}
