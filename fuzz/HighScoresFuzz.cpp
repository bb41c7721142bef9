// Feeds arbitrary bytes to the high-score file reader; a table it accepts must write back to the
// same table and give a check text of printable bytes as long as its longest name.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "save/CheckText.h"
#include "save/HighScoreFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto table =
        ParseHighScoresText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!table)
        return 0;

    if (ParseHighScoresText(FormatHighScoresText(*table)) != table)
        __builtin_trap();

    size_t longestName = 0;
    for (const THighScore& entry : *table)
        longestName = std::max(longestName, entry.Name.size());
    const std::string checkText = ComputeCheckText(*table);
    if (checkText.size() != longestName)
        __builtin_trap();
    for (char c : checkText)
        if (static_cast<unsigned char>(c) < 32)
            __builtin_trap();
    return 0;
}
