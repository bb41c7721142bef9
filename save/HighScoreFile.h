#pragma once
// The high-score file, twenty CR LF lines: for each shown entry in order, its name, then its
// score in decimal.

#include <optional>
#include <string>
#include <string_view>

#include "save/HighScores.h"

// The table the file holds, its new-result slot empty; nullopt when the file is damaged: fewer
// than twenty lines, a name that is over-long or holds a control byte, a score that is no valid
// integer. Lines after the twentieth are not read.
std::optional<THighScoreTable> ParseHighScoresText(std::string_view bytes);

std::string FormatHighScoresText(const THighScoreTable& table);
