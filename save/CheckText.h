#pragma once
// The check text the options file carries for the high-score table, so that a table edited by
// hand no longer matches it.

#include <string>

#include "save/HighScores.h"

// Mixes the names and decimal scores of the shown entries, in table order, into a text as long as
// the longest name. Each byte of a name or score adds its code to the text byte at the same
// position: new = (old + code) mod 224 + 32, so every byte stays in 32..255. Score digits past
// the end of the text add nothing.
std::string ComputeCheckText(const THighScoreTable& table);
