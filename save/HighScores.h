#pragma once
// The local high-score table: ten shown entries, highest first, and an eleventh slot where a new
// result waits to be sorted in.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The longest name the name entry takes, in characters.
constexpr size_t MaxNameLength = 12;
constexpr size_t ShownHighScores = 10;
constexpr size_t NewHighScoreSlot = ShownHighScores;  // index of the eleventh entry

struct THighScore {
    std::string Name;  // up to MaxNameLength characters
    int32_t Score = 0;

    bool operator==(const THighScore&) const = default;
};

using THighScoreTable = std::array<THighScore, ShownHighScores + 1>;

// Entry k (from 1) is "ANONYMOUS" with 11000 - 1000 k; the new-result slot is empty.
THighScoreTable DefaultHighScores();

// True when score beats the score of at least one shown entry; an equal score does not count.
bool ScoreQualifies(const THighScoreTable& table, int32_t score);

// Stable bubble sort of all eleven entries, highest first: a new result goes below an equal
// older one, and the lowest of the eleven ends in the new-result slot, out of view.
void SortHighScores(THighScoreTable& table);
