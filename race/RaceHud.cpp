#include "race/RaceHud.h"

#include <cmath>

#include "engine/Rounding.h"
#include "race/Race.h"
#include "race/RaceState.h"

namespace {

constexpr int32_t LevelStyle = 6;
constexpr int32_t LivesStyle = 7;
constexpr int32_t TimeAndScoreStyle = 18;
constexpr int32_t PositionStyle = 24;
constexpr double CellSize = TTrackMap::CellSize;

std::string TwoDigits(int32_t value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

// Whole rows between the player and another ship, rounded to the nearest (ties to even).
std::string RowsBetween(double playerY, double shipY) {
    return std::to_string(Round(std::abs(playerY - shipY) / CellSize));
}

// "mm : ss" of a time in ms.
std::string HudTime(int32_t ms) {
    return TwoDigits(ms / 60000) + " : " + TwoDigits(ms / 1000 % 60);
}

}  // namespace

std::vector<THudText> RaceHudTexts(const TRaceState& race) {
    std::vector<THudText> texts = {
        {"LEVEL " + std::to_string(race.Level) + " / 10", LevelStyle, 716, 14},
        {HudTime(race.TimeLeft), TimeAndScoreStyle, 724, 238},
        {std::to_string(race.Score), TimeAndScoreStyle, 718, 318},
        {std::to_string(race.Lives < 0 ? 0 : race.Lives), LivesStyle, 783, 575},
        {std::to_string(race.Rank) + "/" + std::to_string(race.ShipCount), PositionStyle, 670, 198,
         false, true},
    };
    if (race.BehindIndicator)
        texts.push_back({RowsBetween(race.PlayerWorldY(), race.NearestBehindY), PositionStyle, 732,
                         176, false, false});
    if (race.AheadIndicator)
        texts.push_back({RowsBetween(race.PlayerWorldY(), race.NearestAheadY), PositionStyle, 732,
                         42, false, false});
    return texts;
}

void TRace::DrawRaceHud() {
    for (const THudText& hudText : RaceHudTexts(state_)) {
        text_.SetTextFont(hudText.Style);
        text_.DrawTextAt(hudText.Text, hudText.X, hudText.Y, hudText.CentreH, hudText.CentreV);
    }
}
