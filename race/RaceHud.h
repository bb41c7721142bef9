#pragma once
// The heads-up display's texts over the instrument panel: level, position, distances to the
// nearest ships, time, score and lives.

#include <cstdint>
#include <string>
#include <vector>

struct TRaceState;

// One text of the display, drawn in its text style at (X, Y): centred on the point in the
// directions marked, else from the point's left or top.
struct THudText {
    std::string Text;
    int32_t Style = 0;
    int32_t X = 0;  // pixels
    int32_t Y = 0;
    bool CentreH = true;
    bool CentreV = true;

    bool operator==(const THudText&) const = default;
};

// The texts as the race state stands, in drawing order. The distances are there only while the
// panel's far-ship arrows show.
std::vector<THudText> RaceHudTexts(const TRaceState& race);
