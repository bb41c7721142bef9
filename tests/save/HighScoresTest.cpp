// Which results enter the table, and how the sort places them.

#include "save/HighScores.h"

#include <gtest/gtest.h>

#include "SaveTestPrinters.h"

namespace {

// The table after a result was put in the new slot and sorted in, as the name entry does it.
THighScoreTable Entered(THighScoreTable table, THighScore result) {
    table[NewHighScoreSlot] = std::move(result);
    SortHighScores(table);
    return table;
}

}  // namespace

TEST(ScoreQualifies, MustBeatTheLowestShownScore) {
    const THighScoreTable table = DefaultHighScores();
    EXPECT_FALSE(ScoreQualifies(table, 1000));  // equal to the tenth
    EXPECT_TRUE(ScoreQualifies(table, 1001));
    EXPECT_FALSE(ScoreQualifies(table, -2147483647 - 1));

    // The new-result slot is not one of the ten, whatever it holds.
    THighScoreTable withSlot = table;
    withSlot[NewHighScoreSlot].Score = -50;
    EXPECT_FALSE(ScoreQualifies(withSlot, 0));
}

TEST(SortHighScores, OneHigherThanTheTenthReplacesIt) {
    const THighScoreTable table = Entered(DefaultHighScores(), {"NEW", 1001});
    EXPECT_EQ(table[9], (THighScore{"NEW", 1001}));
    EXPECT_EQ(table[NewHighScoreSlot], (THighScore{"ANONYMOUS", 1000}));
}

TEST(SortHighScores, EqualScoresStayInTheOrderTheyWereEntered) {
    const THighScoreTable table =
        Entered(Entered(DefaultHighScores(), {"FIRST", 5000}), {"SECOND", 5000});
    // 10000..6000, then the old 5000, FIRST, SECOND, 4000, 3000; 2000 drops out of view.
    EXPECT_EQ(table[5], (THighScore{"ANONYMOUS", 5000}));
    EXPECT_EQ(table[6], (THighScore{"FIRST", 5000}));
    EXPECT_EQ(table[7], (THighScore{"SECOND", 5000}));
    EXPECT_EQ(table[9].Score, 3000);
    EXPECT_EQ(table[NewHighScoreSlot].Score, 2000);
}

TEST(SortHighScores, TenPassesSortAFullyReversedTable) {
    THighScoreTable table;
    for (size_t i = 0; i < table.size(); ++i)
        table[i] = {std::string(1, static_cast<char>('a' + i)), static_cast<int32_t>(i) - 5};
    SortHighScores(table);
    for (size_t i = 0; i < table.size(); ++i)
        EXPECT_EQ(table[i].Score, 5 - static_cast<int>(i));
}
