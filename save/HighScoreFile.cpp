#include "save/HighScoreFile.h"

#include <vector>

#include "save/SavedLines.h"

std::optional<THighScoreTable> ParseHighScoresText(std::string_view bytes) {
    const std::vector<std::string_view> lines = SplitSavedLines(bytes);
    if (lines.size() < 2 * ShownHighScores)
        return std::nullopt;
    THighScoreTable table;
    for (size_t k = 0; k < ShownHighScores; ++k) {
        const std::string_view name = lines[2 * k];
        const auto score = ParseSavedInteger(lines[2 * k + 1]);
        if (!IsSavedText(name, MaxNameLength) || !score)
            return std::nullopt;
        table[k] = {std::string(name), *score};
    }
    return table;
}

std::string FormatHighScoresText(const THighScoreTable& table) {
    std::string text;
    for (size_t k = 0; k < ShownHighScores; ++k) {
        AppendSavedLine(text, table[k].Name);
        AppendSavedLine(text, std::to_string(table[k].Score));
    }
    return text;
}
