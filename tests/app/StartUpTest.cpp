// Start-up with missing or damaged data: a clear error naming the file, and nothing saved.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "harness/GameHarness.h"

namespace {

namespace fs = std::filesystem;

// Runs a test in a fresh working folder holding a copy of the given data files.
class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override {
        original_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("zorvex-startup-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "Data/Res");
        fs::create_directories(folder_ / "Data/Music");
        for (const char* file : {"Res/Res1.dxg", "Res/Res2.dxg", "Res/Res3.dxg", "Res/Sounds.dxw"})
            fs::copy_file(original_ / "Data" / file, folder_ / "Data" / file);
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(original_);
        fs::remove_all(folder_);
    }

    void ExpectStartUpFailsNaming(const std::string& path) {
        GameHarness game;
        EXPECT_FALSE(game.StartedUp());
        const auto& errors = game.Backend().Screen().Errors();
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_NE(errors[0].find("Cannot open file \"" + path + "\". "), std::string::npos)
            << errors[0];
        game.Form().Shutdown();  // even a later shutdown must not save over the player's files
        EXPECT_TRUE(fs::is_empty(game.SaveFolder()));
    }

    fs::path original_;
    fs::path folder_;
};

TEST_F(StartUpTest, MissingImageListStopsStartUpNamingIt) {
    fs::remove("Data/Res/Res2.dxg");
    ExpectStartUpFailsNaming("Data/Res/Res2.dxg");
}

TEST_F(StartUpTest, TruncatedSoundListStopsStartUpNamingIt) {
    fs::resize_file("Data/Res/Sounds.dxw", fs::file_size("Data/Res/Sounds.dxw") / 2);
    ExpectStartUpFailsNaming("Data/Res/Sounds.dxw");
}

TEST_F(StartUpTest, ListWithoutAnImageTheGameDrawsStopsStartUp) {
    // A valid list file, but the wrong one: the mini-map list has no images 18..62.
    fs::copy_file("Data/Res/Res3.dxg", "Data/Res/Res1.dxg", fs::copy_options::overwrite_existing);
    ExpectStartUpFailsNaming("Data/Res/Res1.dxg");
}

TEST_F(StartUpTest, MissingMusicIsSilenceNotAnError) {
    GameHarness game;
    EXPECT_TRUE(game.StartedUp());
    EXPECT_EQ(game.Backend().Music().PlayingSong(), 0);
    EXPECT_TRUE(game.Backend().Screen().Errors().empty());
}

}  // namespace
