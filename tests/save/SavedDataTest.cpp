// Start-up and exit through real files: both files missing, a table edited by hand, the boss
// modifier line, names that must survive byte for byte, and LF-only files.

#include "save/SavedData.h"

#include <gtest/gtest.h>

#include "SaveTestPrinters.h"

#include "SaveTestFolder.h"

namespace {

class SavedDataTest : public testing::Test {
protected:
    // A game as it starts: fresh data, loaded from the test's folder.
    TSavedData Start() const {
        TSavedData data(folder_.Path().string());
        data.LoadAll();
        return data;
    }
    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    // A table with every entry changed from the defaults, and settings with none at default.
    static void Customise(TSavedData& data) {
        for (size_t k = 0; k < ShownHighScores; ++k)
            data.HighScores[k] = {" R\xFC\x64iger " + std::to_string(k),
                                  static_cast<int32_t>(90000 - 7 * k)};
        data.HighScores[9].Name = "\xC5\xE5\xFF";
        data.Options = {true, false, false, " Costa Rica "};  // only what the screen takes
        data.BossKeys = {2, 112};
    }

    TSaveTestFolder folder_;
};

}  // namespace

TEST_F(SavedDataTest, BothFilesMissingGiveDefaultsAndExitCreatesAPairThatHolds) {
    TSavedData data(folder_.Path().string());
    data.PlayerName = "TYPED BEFORE";
    data.HighScores[0].Score = 1;
    data.LoadAll();
    EXPECT_EQ(data.Options, TGameOptions());
    EXPECT_EQ(data.BossKeys, (TBossKeyOptions{0, 123}));
    EXPECT_EQ(data.PlayerName, "");
    EXPECT_EQ(data.HighScores, DefaultHighScores());
    EXPECT_EQ(data.StoredCheckText, "");

    data.HighScores[NewHighScoreSlot] = {"WINNER", 5500};
    SortHighScores(data.HighScores);
    ASSERT_TRUE(data.SaveAll());
    EXPECT_EQ(ShownEntries(Start().HighScores), ShownEntries(data.HighScores));
}

TEST_F(SavedDataTest, NamesWithSpacesAndHighBytesSurviveAndStillMatchTheCheckText) {
    TSavedData saved = Start();
    Customise(saved);
    ASSERT_TRUE(saved.SaveAll());

    const TSavedData loaded = Start();
    EXPECT_EQ(ShownEntries(loaded.HighScores), ShownEntries(saved.HighScores));
    EXPECT_EQ(loaded.Options, saved.Options);
    EXPECT_EQ(loaded.BossKeys, saved.BossKeys);
    EXPECT_TRUE(loaded.HighScoresValid());
    EXPECT_TRUE(ReadBytes(File("hs")).starts_with(" R\xFC\x64iger 0\r\n90000\r\n"));
}

TEST_F(SavedDataTest, OneChangedDigitInTheTableResetsItAtTheNextStart) {
    TSavedData saved = Start();
    Customise(saved);
    ASSERT_TRUE(saved.SaveAll());

    std::string hs = ReadBytes(File("hs"));
    hs[hs.find("89993")] = '7';
    WriteBytes(File("hs"), hs);
    const TSavedData loaded = Start();
    EXPECT_EQ(loaded.HighScores, DefaultHighScores());
    EXPECT_EQ(loaded.Options, saved.Options);  // the settings are not touched
}

TEST_F(SavedDataTest, AMissingOptionsFileAlsoResetsTheTable) {
    TSavedData saved = Start();
    Customise(saved);
    ASSERT_TRUE(saved.SaveAll());
    std::filesystem::remove(File("options"));
    EXPECT_EQ(Start().HighScores, DefaultHighScores());
}

TEST_F(SavedDataTest, BossModifierLineSevenKeepsTheModifierItHad) {
    WriteBytes(File("options"), "0\r\n1\r\n1\r\n\r\n7\r\n3\r\n\r\n");
    EXPECT_EQ(Start().BossKeys, (TBossKeyOptions{0, 114}));  // none after a fresh start

    TSavedData data(folder_.Path().string());
    data.BossKeys.BossModifier = 4;
    data.LoadOptions();
    EXPECT_EQ(data.BossKeys.BossModifier, 4);
}

TEST_F(SavedDataTest, LfOnlyFilesReadTheSameAsCrLf) {
    TSavedData saved = Start();
    Customise(saved);
    ASSERT_TRUE(saved.SaveAll());
    for (const char* name : {"hs", "options"}) {
        std::string lfOnly;
        for (char c : ReadBytes(File(name)))
            if (c != '\r')
                lfOnly += c;
        WriteBytes(File(name), lfOnly);
    }
    const TSavedData loaded = Start();
    EXPECT_EQ(ShownEntries(loaded.HighScores), ShownEntries(saved.HighScores));
    EXPECT_EQ(loaded.Options, saved.Options);
    EXPECT_EQ(loaded.BossKeys, saved.BossKeys);
}

TEST_F(SavedDataTest, ADamagedFileOrAFolderInItsPlaceNeverStopsTheStart) {
    WriteBytes(File("hs"), std::string(10000, '\xFF') + "\n\0\n");
    std::filesystem::create_directory(File("options"));
    const TSavedData loaded = Start();
    EXPECT_EQ(loaded.HighScores, DefaultHighScores());
    EXPECT_EQ(loaded.Options, TGameOptions());
}
