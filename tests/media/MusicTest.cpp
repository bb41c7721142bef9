// Background music on the headless backend: the MusicOn switch, one song at a time, freeing, and
// silence without an error for a song that is missing or not an XM module.

#include <gtest/gtest.h>

#include "BinaryWriter.h"
#include "engine/Music.h"
#include "harness/SoundTestFiles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

using platform::AudioCallKind;

class Music : public ::testing::Test {
protected:
    Music() {
        WriteFileBytes(menu, TinyXmModule());
        WriteFileBytes(race, TinyXmModule());
    }

    // The log as "load <file>", "play <file>", "free <file>" for the song calls.
    std::vector<std::string> SongCalls() {
        std::vector<std::string> calls;
        for (const platform::AudioCall& call : backend.AudioLog().Calls()) {
            switch (call.Kind) {
                case AudioCallKind::SongLoadFromFile:
                    calls.push_back("load " + call.Name);
                    break;
                case AudioCallKind::SongLoadFromResource:
                    calls.push_back("resource " + call.Name);
                    break;
                case AudioCallKind::SongPlay:
                    calls.push_back("play " + call.Name);
                    break;
                case AudioCallKind::SongFree:
                    calls.push_back("free " + call.Name);
                    break;
                default:
                    break;
            }
        }
        return calls;
    }

    TempFolder folder;
    const std::string menu = folder.File("Menu.xm");
    const std::string race = folder.File("Race.xm");
    platform::HeadlessBackend backend;
    TMusic music{backend.GetMusicPlayer()};
};

TEST_F(Music, PlaysTheSongAndReplacesItWithTheNext) {
    music.PlaySong(menu, false, true);
    EXPECT_NE(music.Song(), 0u);
    EXPECT_EQ(backend.Music().PlayingPath(), menu);

    music.PlaySong(race, false, true);
    EXPECT_EQ(backend.Music().PlayingPath(), race);
    EXPECT_EQ(backend.Music().LoadedSongs(), 1);
    // The old song is freed before the new one is loaded.
    EXPECT_EQ(SongCalls(), (std::vector<std::string>{"load " + menu, "play " + menu, "free " + menu,
                                                     "load " + race, "play " + race}));
}

TEST_F(Music, MusicOffDoesNothingAndKeepsThePlayingSong) {
    music.PlaySong(menu, false, true);
    const platform::SongHandle menuSong = music.Song();
    backend.AudioLog().Clear();

    music.PlaySong(race, false, false);
    EXPECT_TRUE(backend.AudioLog().Calls().empty());
    EXPECT_EQ(music.Song(), menuSong);
    EXPECT_EQ(backend.Music().PlayingPath(), menu);
}

TEST_F(Music, StopMusicFreesTheSongOnce) {
    music.PlaySong(menu, false, true);
    music.StopMusic();
    EXPECT_EQ(music.Song(), 0u);
    EXPECT_EQ(backend.Music().PlayingSong(), 0u);
    EXPECT_EQ(backend.Music().LoadedSongs(), 0);
    music.StopMusic();
    EXPECT_EQ(backend.AudioLog().Count(AudioCallKind::SongFree), 1);
}

TEST_F(Music, MissingOrForeignSongIsSilenceWithoutError) {
    const std::string wav = folder.File("NotASong.xm");
    WriteSoundList(wav, {ToneRecord(10)});
    const std::string cut = folder.File("Cut.xm");
    WriteFileBytes(cut, {'E', 'x', 't', 'e', 'n', 'd', 'e', 'd'});

    for (const std::string& song : {folder.File("Missing.xm"), wav, cut, folder.File("")}) {
        SCOPED_TRACE(song);
        music.PlaySong(menu, false, true);
        EXPECT_NO_THROW(music.PlaySong(song, false, true));
        EXPECT_EQ(music.Song(), 0u);
        // The song before it was freed: silence, not the old music.
        EXPECT_EQ(backend.Music().PlayingSong(), 0u);
        EXPECT_EQ(backend.Music().LoadedSongs(), 0);
    }
    EXPECT_EQ(backend.AudioLog().Count(AudioCallKind::SongPlay), 4);  // only the menu's
}

TEST_F(Music, ResourcesNeverLoad) {
    music.PlaySong("MENU", true, true);
    EXPECT_EQ(music.Song(), 0u);
    EXPECT_EQ(SongCalls(), (std::vector<std::string>{"resource MENU"}));
}

TEST_F(Music, DestroyingTheMusicFreesItsSong) {
    {
        TMusic scoped(backend.GetMusicPlayer());
        scoped.PlaySong(menu, false, true);
    }
    EXPECT_EQ(backend.Music().LoadedSongs(), 0);
    EXPECT_EQ(backend.Music().PlayingSong(), 0u);
}

}  // namespace
