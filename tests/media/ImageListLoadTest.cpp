// Loading image list files: what a good file gives, and that every kind of damage is a clear
// "Cannot open file" error naming the file, never a crash.

#include <gtest/gtest.h>

#include <functional>

#include "engine/FileOpenError.h"
#include "engine/ImageList.h"
#include "harness/ImageListTestFiles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

class ImageListLoad : public ::testing::Test {
protected:
    // Loads bytes and returns the error message, or "" when the load succeeded.
    std::string LoadError(const std::string& bytes) {
        try {
            list.LoadFromBytes(bytes, "Data/Res/Test.dxg", display.BackSurface());
            return "";
        } catch (const EFileOpenError& error) {
            return error.what();
        }
    }

    static void PutU32(std::string& bytes, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }

    platform::HeadlessDisplay display;
    TImageList list;
};

TEST_F(ImageListLoad, KeepsOrderPatternsAndTheStoredSizes) {
    const std::string file =
        Serialized({SolidRecord(64, 48, 0xFFFF0000), SolidRecord(72 * 23, 72, 0xFF00FF00, 72, 72),
                    SolidRecord(50, 30, 0xFF0000FF, 20, 0)});
    ASSERT_EQ(LoadError(file), "");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0).PatternWidth(), 64);  // 0 stored: the picture's size
    EXPECT_EQ(list.Items(0).PatternCount(), 1);
    EXPECT_EQ(list.Items(1).PatternCount(), 23);
    // 50 = 2 x 20 + 10 left over: the leftover is not a whole pattern.
    EXPECT_EQ(list.Items(2).PatternCount(), 2);
    EXPECT_EQ(list.Items(2).PatternHeight(), 30);
}

TEST_F(ImageListLoad, ItemOutsideTheListRaisesTheListError) {
    ASSERT_EQ(LoadError(Serialized({SolidRecord(4, 4, 0xFF000000)})), "");
    try {
        list.Items(1);
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Items(-1), std::out_of_range);
}

TEST_F(ImageListLoad, MissingFileNamesTheFile) {
    try {
        list.LoadFromFile("Data/Res/NoSuchList.dxg", display.BackSurface());
        FAIL();
    } catch (const EFileOpenError& error) {
        EXPECT_EQ(
            std::string(error.what()).rfind("Cannot open file \"Data/Res/NoSuchList.dxg\". ", 0),
            0u)
            << error.what();
    }
}

TEST_F(ImageListLoad, EveryDamageIsAnErrorAndLeavesTheListAsItWas) {
    const std::string good =
        Serialized({SolidRecord(8, 8, 0xFF112233), SolidRecord(4, 4, 0xFF445566)});
    ASSERT_EQ(LoadError(good), "");
    // Header 16 bytes; first record: length u32, name length u16 + 5, 4 x i32, 2 x u8, u16,
    // colour u32, PNG length u32 at 16 + 4 + 2 + 5 + 16 + 4 + 4 = 51, PNG from 55.
    const size_t firstRecord = 16;
    const size_t firstPngLength = 51;
    const size_t firstPng = 55;

    const std::vector<std::pair<std::string, std::function<void(std::string&)>>> damages = {
        {"empty", [](std::string& b) { b.clear(); }},
        {"bad magic", [](std::string& b) { b[0] = 'X'; }},
        {"future version", [&](std::string& b) { PutU32(b, 8, 2); }},
        {"count beyond the records", [&](std::string& b) { PutU32(b, 12, 3); }},
        {"absurd count", [&](std::string& b) { PutU32(b, 12, 0xFFFFFFFF); }},
        {"truncated in a record", [](std::string& b) { b.resize(b.size() - 7); }},
        {"trailing bytes", [](std::string& b) { b += "junk"; }},
        {"record length past the end", [&](std::string& b) { PutU32(b, firstRecord, 0x7FFFFFFF); }},
        {"record length too short", [&](std::string& b) { PutU32(b, firstRecord, 8); }},
        {"negative pattern width", [&](std::string& b) { PutU32(b, 27, 0xFFFFFFFF); }},
        {"huge skip", [&](std::string& b) { PutU32(b, 39, 100000); }},
        {"transparent flag 7", [](std::string& b) { b[43] = 7; }},
        {"PNG length past the record", [&](std::string& b) { PutU32(b, firstPngLength, 100000); }},
        {"PNG length zero", [&](std::string& b) { PutU32(b, firstPngLength, 0); }},
        {"not a PNG", [&](std::string& b) { b[firstPng + 1] = 'Q'; }},
        {"PNG too large", [&](std::string& b) { b[firstPng + 16] = 0x7F; }},
        {"PNG data corrupted", [&](std::string& b) { b[firstPng + 40] ^= 0x5A; }},
    };
    for (const auto& [name, damage] : damages) {
        std::string bytes = good;
        damage(bytes);
        const std::string error = LoadError(bytes);
        EXPECT_EQ(error.rfind("Cannot open file \"Data/Res/Test.dxg\". ", 0), 0u)
            << name << ": " << error;
        EXPECT_EQ(list.Count(), 2) << name;
    }
}

}  // namespace
