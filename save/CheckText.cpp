#include "save/CheckText.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

void MixInto(std::string& text, std::string_view part) {
    const size_t length = std::min(text.size(), part.size());
    for (size_t j = 0; j < length; ++j) {
        const unsigned sum =
            static_cast<unsigned char>(text[j]) + static_cast<unsigned char>(part[j]);
        text[j] = static_cast<char>(sum % 224 + 32);
    }
}

}  // namespace

std::string ComputeCheckText(const THighScoreTable& table) {
    const auto shown = std::span(table).first(ShownHighScores);
    size_t length = 0;
    for (const THighScore& entry : shown)
        length = std::max(length, entry.Name.size());
    std::string text(length, ' ');
    for (const THighScore& entry : shown) {
        MixInto(text, entry.Name);
        MixInto(text, std::to_string(entry.Score));
    }
    return text;
}
