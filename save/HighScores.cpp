#include "save/HighScores.h"

#include <algorithm>
#include <utility>

THighScoreTable DefaultHighScores() {
    THighScoreTable table;
    for (size_t k = 1; k <= ShownHighScores; ++k)
        table[k - 1] = {"ANONYMOUS", static_cast<int32_t>(11000 - 1000 * k)};
    return table;
}

bool ScoreQualifies(const THighScoreTable& table, int32_t score) {
    return std::any_of(table.begin(), table.begin() + ShownHighScores,
                       [score](const THighScore& entry) { return score > entry.Score; });
}

void SortHighScores(THighScoreTable& table) {
    for (size_t pass = 0; pass < ShownHighScores; ++pass) {
        for (size_t i = 0; i + 1 < table.size(); ++i) {
            if (table[i].Score < table[i + 1].Score)
                std::swap(table[i], table[i + 1]);
        }
    }
}
