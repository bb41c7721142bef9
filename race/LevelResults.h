#pragma once
// The results of a finished level: the lines shown one a second (rank, rank bonus, time left, time
// bonus), then the time left counted down ten times faster than real time into the time bonus,
// 5 points a whole second, and a pause before the bonuses go into the score.

#include <cstdint>

class TSoundList;
class TTextService;

struct TLevelResults {
    int32_t TimeLeftAtFinish = 0;  // ms; counted down into the time bonus, then the final
                                   // dialog's own timer
    int32_t LineTimer = 0;         // ms until the next line shows
    int32_t TimeBonus = 0;         // points
    int32_t PauseTimer = 0;        // ms of the pause after the count
    int32_t RankBonus = 0;         // points
    int32_t ShownLines = 0;        // lines shown so far; the count starts with the fifth

    // Starts the results of a level finished with timeLeft ms left at race position rank.
    void Begin(int32_t timeLeft, int32_t rank);
    // Shows the next line once a second, with a swish for each of the four lines.
    void StepLines(int32_t frameTime, TSoundList& sounds);
    // The lines shown so far, in the results' text style.
    void Draw(TTextService& text, int32_t rank) const;
    // Once all lines are shown: counts the time left into the time bonus with a tick for each
    // whole second, then runs the pause. True when the pause is over.
    bool CountTimeBonus(int32_t frameTime, TSoundList& sounds);
};
