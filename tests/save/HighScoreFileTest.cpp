// Reading and writing the high-score file: names kept byte for byte, a file whose end was cut
// short, and every kind of damage that makes the file unusable.

#include "save/HighScoreFile.h"

#include <gtest/gtest.h>

#include "SaveTestPrinters.h"

namespace {

THighScoreTable SampleTable() {
    THighScoreTable table = DefaultHighScores();
    table[0] = {" Ann  Lee ", 2147483647};
    table[1] = {"J\xF6rg \xE9\xFF", 99};
    table[8] = {"", 0};
    table[9] = {"LOW", -40};
    return table;
}

// The sample file with line `index` (from 0) replaced.
std::string WithLine(size_t index, const std::string& line) {
    std::string text;
    const std::string original = FormatHighScoresText(SampleTable());
    size_t start = 0;
    for (size_t i = 0; start < original.size(); ++i) {
        const size_t end = original.find("\r\n", start);
        text += (i == index ? line : original.substr(start, end - start)) + "\r\n";
        start = end + 2;
    }
    return text;
}

}  // namespace

TEST(HighScoreFile, RoundTripKeepsSpacesHighBytesAndSigns) {
    const std::string text = FormatHighScoresText(SampleTable());
    EXPECT_TRUE(text.starts_with(" Ann  Lee \r\n2147483647\r\nJ\xF6rg \xE9\xFF\r\n99\r\n"));
    EXPECT_TRUE(text.ends_with("LOW\r\n-40\r\n"));
    const auto table = ParseHighScoresText(text);
    ASSERT_TRUE(table);
    for (size_t k = 0; k < ShownHighScores; ++k)
        EXPECT_EQ((*table)[k], SampleTable()[k]) << k;
}

TEST(HighScoreFile, TheLastLineEndingMayBeMissingOrCutAfterItsCr) {
    std::string text = FormatHighScoresText(SampleTable());
    const auto whole = ParseHighScoresText(text);
    ASSERT_TRUE(whole);
    text.pop_back();  // ends "-40\r"
    EXPECT_EQ(ParseHighScoresText(text), whole);
    text.pop_back();  // ends "-40"
    EXPECT_EQ(ParseHighScoresText(text), whole);
}

TEST(HighScoreFile, DamageOfAnyKindMakesItUnusable) {
    const auto edited = ParseHighScoresText(WithLine(5, "12"));  // the third score
    ASSERT_TRUE(edited);
    EXPECT_EQ((*edited)[2].Score, 12);

    EXPECT_FALSE(ParseHighScoresText(""));
    EXPECT_FALSE(ParseHighScoresText(WithLine(19, "")));              // missing last score
    EXPECT_FALSE(ParseHighScoresText(WithLine(3, "12a")));            // no valid integer
    EXPECT_FALSE(ParseHighScoresText(WithLine(3, " 12")));            // nor with a space
    EXPECT_FALSE(ParseHighScoresText(WithLine(3, "2147483648")));     // out of range
    EXPECT_FALSE(ParseHighScoresText(WithLine(2, "THIRTEEN CHAR")));  // over-long name
    EXPECT_FALSE(ParseHighScoresText(WithLine(2, std::string("NUL\0X", 5))));
    EXPECT_FALSE(ParseHighScoresText(WithLine(2, "CR\rINSIDE")));
    const std::string full = FormatHighScoresText(SampleTable());
    EXPECT_FALSE(ParseHighScoresText(full.substr(0, full.rfind("-40"))));  // nineteen lines
}

TEST(HighScoreFile, TwelveCharacterNamesAndExtraLinesAreFine) {
    const auto table = ParseHighScoresText(WithLine(2, "TWELVE CHARS") + "extra\r\n\x01\r\n");
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)[1].Name, "TWELVE CHARS");
    EXPECT_EQ((*table)[NewHighScoreSlot], THighScore());
}
