// The two songs as the game receives them: valid modules that play, loop where and when they
// should, and come out the same every build.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "AudioTestSupport.h"
#include "music/Songs.h"
#include "preview/XmpRender.h"
#include "xm/XmWriter.h"

namespace {

using audiotest::Db;

struct Song {
    std::string file;
    xm::Module (*compose)();
    double minLoopSeconds, maxLoopSeconds;  // how often it should come round again
};

const Song kSongs[] = {
    {"Data/Music/Menu.xm", music::ComposeMenuSong, 60.0, 120.0},
    {"Data/Music/Race.xm", music::ComposeRaceSong, 120.0, 180.0},
};

double Seconds(const xm::Module& module, size_t firstOrder, size_t endOrder) {
    int rows = 0;
    for (size_t i = firstOrder; i < endOrder; ++i)
        rows += module.Patterns[module.Order[i]].Rows;
    return rows * xm::RowSeconds(module);
}

TEST(MusicModules, BuiltFilesMatchAFreshCompositionAndComposingTwiceIsIdentical) {
    for (const Song& song : kSongs) {
        const std::vector<uint8_t> bytes = xm::SerializeModule(song.compose());
        EXPECT_EQ(bytes, xm::SerializeModule(song.compose())) << song.file;
        EXPECT_EQ(bytes, audiotest::ReadFile(song.file)) << song.file << " is stale";
    }
}

TEST(MusicModules, LoadInLibxmpAndPlayWithoutSilenceOrClipping) {
    for (const Song& song : kSongs) {
        SCOPED_TRACE(song.file);
        preview::XmpRender player(audiotest::ReadFile(song.file));
        EXPECT_LE(player.Module()->chn, 32);
        for (int stretch = 0; stretch < 3; ++stretch) {  // the intro and the first two sections
            const std::vector<int16_t> audio = player.Render(8.0);
            EXPECT_GT(Db(audiotest::Rms(audio)), -32.0) << "stretch " << stretch;
            EXPECT_LT(audiotest::Peak(audio), 32000) << "stretch " << stretch;
        }
    }
}

TEST(MusicModules, LoopThroughTheRestartPositionAtTheExpectedTime) {
    for (const Song& song : kSongs) {
        SCOPED_TRACE(song.file);
        const xm::Module module = song.compose();
        ASSERT_GT(module.RestartPosition, 0);  // an intro that plays once
        const double wholeSong = Seconds(module, 0, module.Order.size());
        const double loop =
            Seconds(module, static_cast<size_t>(module.RestartPosition), module.Order.size());
        EXPECT_GE(loop, song.minLoopSeconds);
        EXPECT_LE(loop, song.maxLoopSeconds);
        // A player that restarts from the top instead still comes round in time.
        EXPECT_LE(wholeSong, song.maxLoopSeconds);

        preview::XmpRender player(xm::SerializeModule(module));
        EXPECT_NEAR(player.ScannedDurationMs() / 1000.0, wholeSong, 0.05);
        // libxmp renders whole samples per tick (787 for 787.5 at 140 BPM): allow 0.1 %.
        EXPECT_NEAR(player.SecondsUntilLoop(wholeSong + 10.0), wholeSong, 0.001 * wholeSong + 0.02);
        EXPECT_EQ(player.LastPosition(), module.RestartPosition);
        EXPECT_GT(Db(audiotest::Rms(player.Render(4.0))), -32.0) << "silent after the loop";
    }
}

TEST(MusicModules, SectionsVaryRatherThanRepeat) {
    for (const Song& song : kSongs) {
        const xm::Module module = song.compose();
        const std::set<uint8_t> distinct(module.Order.begin(), module.Order.end());
        EXPECT_GE(distinct.size() * 4, module.Order.size() * 3) << song.file;
    }
}

}  // namespace
