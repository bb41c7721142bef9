// The save folder belongs to one copy of the game, and a save that fails at exit is told.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "harness/GameHarness.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

TEST(SaveFolderAtExit, ASecondCopyOnTheSameFolderIsRefusedAndChangesNothing) {
    GameHarness first;
    ASSERT_TRUE(first.StartedUp());
    first.Form().Options.Country = "First";
    ASSERT_TRUE(first.Form().Saved.SaveAll());
    const fs::path folder = first.SaveFolder();
    const std::string hs = Bytes(folder / "hs");
    const std::string options = Bytes(folder / "options");

    platform::HeadlessBackend backend;
    TMForm second(backend, 2, first.SaveFolder());
    EXPECT_FALSE(second.FormCreate());
    EXPECT_EQ(backend.Screen().Errors(),
              std::vector<std::string>{"Zorvex: Zorvex is already running."});
    second.Options.Country = "Second";
    second.Shutdown();
    EXPECT_EQ(Bytes(folder / "hs"), hs);
    EXPECT_EQ(Bytes(folder / "options"), options);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}

TEST(SaveFolderAtExit, AFailedSaveNamesTheFileExitsWithOneAndLeavesNoStagedFile) {
    GameHarness game;
    ASSERT_TRUE(game.StartedUp());
    const fs::path folder = game.SaveFolder();
    fs::create_directory(folder / "options");  // something in the way of the options file
    game.Form().Shutdown();
    EXPECT_TRUE(game.Form().Terminated());
    EXPECT_EQ(game.Form().ExitCode(), 1);
    const auto& errors = game.Backend().Screen().Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Zorvex: Cannot save file \"options\" in folder \"" + folder.string() +
                             "\". Is a directory");
    EXPECT_FALSE(fs::exists(folder / "hs")) << "the table went in without its options";
    EXPECT_FALSE(fs::exists(folder / "hs.new"));
    EXPECT_FALSE(fs::exists(folder / "options.new"));
}
