// The check text: the default table's known value, tables whose scores are longer than every
// name, bytes above 127, negative scores, and which changes it notices.

#include "save/CheckText.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// A second, separate way to the same text: column by column. Column j only ever sees byte j of
// each name and of each score, in table order, so it can be walked on its own.
std::string CheckTextByColumns(const THighScoreTable& table) {
    size_t width = 0;
    for (size_t k = 0; k < ShownHighScores; ++k)
        width = std::max(width, table[k].Name.size());
    std::string result;
    for (size_t column = 0; column < width; ++column) {
        unsigned code = ' ';
        for (size_t k = 0; k < ShownHighScores; ++k) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%d", static_cast<int>(table[k].Score));
            for (const std::string& part : {table[k].Name, std::string(digits)}) {
                if (column < part.size())
                    code = (code + static_cast<unsigned char>(part[column])) % 224 + 32;
            }
        }
        result.push_back(static_cast<char>(code));
    }
    return result;
}

THighScoreTable TableOf(const std::string& name, int32_t firstScore, int32_t step) {
    THighScoreTable table;
    for (size_t k = 0; k < ShownHighScores; ++k)
        table[k] = {name, firstScore - step * static_cast<int32_t>(k)};
    return table;
}

}  // namespace

TEST(CheckText, DefaultTableHasNineKnownCharacters) {
    // Worked by hand: the last column sees only the "S" of the ten names (the scores have at most
    // five digits), 32 -> 147 -> 38 -> 153 -> 44 -> 159 -> 50 -> 165 -> 56 -> 171 -> 62 (">").
    const std::string expected = "8\x8C\x96\x8C\xCA\xE2\xF6R>";
    EXPECT_EQ(CheckTextByColumns(DefaultHighScores()), expected);
    EXPECT_EQ(ComputeCheckText(DefaultHighScores()), expected);
}

TEST(CheckText, ScoresLongerThanEveryNameStopAtTheTextsEnd) {
    const THighScoreTable table = TableOf("AB", 2000000000, 123456789);
    const std::string text = ComputeCheckText(table);
    EXPECT_EQ(text.size(), 2u);
    EXPECT_EQ(text, CheckTextByColumns(table));

    const THighScoreTable noNames = TableOf("", 99999, 1);
    EXPECT_EQ(ComputeCheckText(noNames), "");
}

TEST(CheckText, BytesAbove127AndMinusSignsCountAsUnsignedCodes) {
    THighScoreTable table = TableOf("\xE9t\xFF\x80 z", -5, 1000);
    table[3].Name = "\xFE\xFE\xFE\xFE\xFE\xFE\xFE";
    const std::string text = ComputeCheckText(table);
    EXPECT_EQ(text, CheckTextByColumns(table));
    for (char c : text)
        EXPECT_GE(static_cast<unsigned char>(c), 32);
}

TEST(CheckText, NoticesAChangedDigitSwappedEntriesAndTheNewSlotNot) {
    const THighScoreTable original = DefaultHighScores();
    const std::string text = ComputeCheckText(original);

    THighScoreTable digit = original;
    digit[4].Score = 6001;
    EXPECT_NE(ComputeCheckText(digit), text);

    THighScoreTable newSlot = original;
    newSlot[NewHighScoreSlot] = {"SOMEBODY LONG", 123456};
    EXPECT_EQ(ComputeCheckText(newSlot), text);
}
