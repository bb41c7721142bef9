// Saving safely: the folder made when missing, a failed write reported with the old pair kept,
// and a save cut short at each of its steps.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "SaveTestPrinters.h"

#include "SaveTestFolder.h"
#include "save/SavedData.h"

namespace {

class SafeSaveTest : public testing::Test {
protected:
    void SetUp() override {
        // The pair on disk before each test: a table with one result entered.
        TSavedData old = Data();
        old.HighScores[NewHighScoreSlot] = {"OLD", 4500};
        SortHighScores(old.HighScores);
        old.Options.Country = "Oldland";
        ASSERT_TRUE(old.SaveAll());
        oldHs_ = ReadBytes(File("hs"));
        oldOptions_ = ReadBytes(File("options"));
    }

    TSavedData Data() const { return TSavedData(folder_.Path().string()); }
    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    // Another pair, saved in a folder of its own, to play the part of a save under way.
    static void SaveNewPair(const std::filesystem::path& where) {
        TSavedData fresh(where.string());
        fresh.HighScores[NewHighScoreSlot] = {"NEW", 9999999};
        SortHighScores(fresh.HighScores);
        fresh.Options.Country = "Newland";
        ASSERT_TRUE(fresh.SaveAll());
    }

    void ExpectOldPairUntouched() const {
        EXPECT_EQ(ReadBytes(File("hs")), oldHs_);
        EXPECT_EQ(ReadBytes(File("options")), oldOptions_);
        EXPECT_FALSE(std::filesystem::exists(File("hs.new")));
        EXPECT_FALSE(std::filesystem::exists(File("options.new")));
    }

    TSaveTestFolder folder_;
    std::string oldHs_;
    std::string oldOptions_;
};

// Files of this process may grow to `bytes` only while it lives, as on a disk that is nearly full:
// a write past it fails with EFBIG instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace

TEST(SaveIntoMissingFolder, CreatesEveryMissingFolderOnTheWay) {
    TSaveTestFolder root;
    TSavedData data((root / "Data" / "Save").string());
    ASSERT_TRUE(data.SaveAll());
    EXPECT_EQ(ReadBytes(root / "Data" / "Save" / "hs").substr(0, 18), "ANONYMOUS\r\n10000\r\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(root / "Data" / "Save" / "options"));

    TSavedData alone((root / "Other").string());
    EXPECT_TRUE(alone.SaveOptions());
    EXPECT_TRUE(std::filesystem::is_regular_file(root / "Other" / "options"));
}

TEST_F(SafeSaveTest, AFailedTableWriteIsReportedAndChangesNothing) {
    std::filesystem::create_directory(File("hs.new"));  // nothing can be written there
    TSavedData data = Data();
    data.LoadAll();
    data.HighScores[0].Name = "CHANGED";
    data.Options.Country = "Changed";
    EXPECT_FALSE(data.SaveAll());
    // Told by the name the player knows, never the staged "hs.new", and with its folder.
    EXPECT_EQ(data.SaveFailure(), "Cannot save file \"hs\" in folder \"" + folder_.Path().string() +
                                      "\". Is a directory");
    std::filesystem::remove(File("hs.new"));
    ExpectOldPairUntouched();
}

TEST_F(SafeSaveTest, AWriteCutShortByAFullDiskLeavesNothingBehind) {
    TSavedData data = Data();
    data.LoadAll();
    data.HighScores[0].Name = "CHANGED";
    {
        const TFileSizeLimit nearlyFull(120);  // the table needs about 180 bytes
        EXPECT_FALSE(data.SaveAll());
    }
    EXPECT_NE(data.SaveFailure().find("\"hs\" in folder \"" + folder_.Path().string() +
                                      "\". File too large"),
              std::string::npos);
    ExpectOldPairUntouched();
}

TEST_F(SafeSaveTest, AFailedOptionsWriteKeepsTheTableBackToo) {
    // The table is staged first and would be fine; it must not go in without its check text.
    std::filesystem::create_directory(File("options.new"));
    TSavedData data = Data();
    data.LoadAll();
    data.HighScores[0].Name = "CHANGED";
    EXPECT_FALSE(data.SaveAll());
    EXPECT_NE(data.SaveFailure().find("\"options\" in folder"), std::string::npos);
    std::filesystem::remove(File("options.new"));
    ExpectOldPairUntouched();
    TSavedData reloaded = Data();
    reloaded.LoadAll();
    EXPECT_EQ(reloaded.HighScores[0].Name, "ANONYMOUS");
    EXPECT_EQ(reloaded.HighScores[6].Name, "OLD");
}

TEST_F(SafeSaveTest, AFolderThatCannotBeMadeIsReported) {
    WriteBytes(folder_ / "plain-file", "x");
    TSavedData data((folder_ / "plain-file" / "Save").string());
    EXPECT_FALSE(data.SaveAll());
    EXPECT_FALSE(data.SaveHighScores());
    EXPECT_NE(data.SaveFailure().find("plain-file"), std::string::npos);
}

TEST_F(SafeSaveTest, AFolderInThePlaceOfASavedFileStopsThePairBeforeAnyRename) {
    for (const char* blocked : {"hs", "options"}) {
        SCOPED_TRACE(blocked);
        const std::filesystem::path blockedFile = File(blocked);
        const std::string oldBytes = ReadBytes(blockedFile);
        std::filesystem::remove(blockedFile);
        std::filesystem::create_directory(blockedFile);
        TSavedData data = Data();
        data.HighScores[0].Name = "CHANGED";
        EXPECT_FALSE(data.SaveAll());
        EXPECT_NE(data.SaveFailure().find(std::string("\"") + blocked + "\" in folder \"" +
                                          folder_.Path().string() + "\". Is a directory"),
                  std::string::npos);
        std::filesystem::remove(blockedFile);
        WriteBytes(blockedFile, oldBytes);
        ExpectOldPairUntouched();
    }
}

TEST_F(SafeSaveTest, KilledBetweenTheTwoRenamesTheNextStartFinishesTheSave) {
    TSaveTestFolder elsewhere;
    SaveNewPair(elsewhere.Path());
    // The new table is in place, the new options still staged.
    std::filesystem::copy_file(elsewhere / "hs", File("hs"),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(elsewhere / "options", File("options.new"));

    TSavedData data = Data();
    data.LoadAll();
    EXPECT_EQ(data.HighScores[0], (THighScore{"NEW", 9999999}));
    EXPECT_EQ(data.Options.Country, "Newland");
    EXPECT_EQ(ReadBytes(File("options")), ReadBytes(elsewhere / "options"));
    EXPECT_FALSE(std::filesystem::exists(File("options.new")));
}

TEST_F(SafeSaveTest, KilledBeforeAnyRenameTheOldPairStands) {
    TSaveTestFolder elsewhere;
    SaveNewPair(elsewhere.Path());
    std::filesystem::copy_file(elsewhere / "hs", File("hs.new"));
    std::filesystem::copy_file(elsewhere / "options", File("options.new"));

    TSavedData data = Data();
    data.LoadAll();
    EXPECT_EQ(data.HighScores[6].Name, "OLD");
    EXPECT_EQ(data.Options.Country, "Oldland");
    ExpectOldPairUntouched();
}

TEST_F(SafeSaveTest, AnOptionsFileCutShortWhileStagedIsNotTaken) {
    TSaveTestFolder elsewhere;
    SaveNewPair(elsewhere.Path());
    const std::string staged = ReadBytes(elsewhere / "options");
    WriteBytes(File("options.new"), staged.substr(0, staged.size() - 3));

    TSavedData data = Data();
    data.LoadAll();
    EXPECT_EQ(data.Options.Country, "Oldland");
    EXPECT_EQ(data.HighScores[6].Name, "OLD");
    ExpectOldPairUntouched();
}
