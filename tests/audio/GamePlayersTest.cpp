// Our data through the game's own readers and players: the engine's sound list parser and the
// SDL_mixer music player, heard by SDL's disk audio driver in real time.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "AudioTestSupport.h"
#include "effects/SoundCatalog.h"
#include "engine/SoundListFile.h"
#include "platform/sdl/SdlAudio.h"

namespace {

TEST(GamePlayers, TheEnginesParserReadsEverySoundAsGenerated) {
    const std::vector<uint8_t> bytes = audiotest::ReadFile("Data/Res/Sounds.dxw");
    const std::vector<TSoundListEntry> entries = ParseSoundList(bytes);
    const std::vector<SoundRecord> generated = effects::BuildSoundList();
    ASSERT_EQ(entries.size(), generated.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(entries[i].Sound.Looping, generated[i].Looping);
        EXPECT_EQ(entries[i].Sound.SampleRate, 44100u);
        EXPECT_EQ(entries[i].Sound.Samples, generated[i].Samples);
    }
}

TEST(GamePlayers, BothSongsPlayThroughTheGamesMusicPlayer) {
    const std::string output = (std::filesystem::temp_directory_path() /
                                ("zorvex-songs-" + std::to_string(getpid()) + ".raw"))
                                   .string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    {
        platform::sdl::SdlAudio audio;
        ASSERT_TRUE(audio.DeviceOpen());
        for (const char* path : {"Data/Music/Menu.xm", "Data/Music/Race.xm"}) {
            const platform::SongHandle song = audio.Music().SongLoadFromFile(path);
            ASSERT_NE(song, 0u) << path;
            audio.Music().SongPlay(song);
            std::this_thread::sleep_for(std::chrono::milliseconds(800));
            audio.Music().SongFree(song);
        }
    }  // closing the device finishes the file

    std::ifstream in(output, std::ios::binary);
    std::vector<int16_t> stereo;
    int16_t frame[2];
    while (in.read(reinterpret_cast<char*>(frame), sizeof frame))
        stereo.insert(stereo.end(), frame, frame + 2);
    std::filesystem::remove(output);
    const std::vector<int16_t> mono = audiotest::Mono(stereo);
    ASSERT_GT(mono.size(), 44100u);
    // Each song sounds within its first 0.8 s (the mix plays music 6 dB down, for headroom),
    // and the mixer's music path does not clip.
    const size_t half = mono.size() / 2;
    EXPECT_GT(audiotest::Db(audiotest::Rms(mono, 0, half)), -46.0);
    EXPECT_GT(audiotest::Db(audiotest::Rms(mono, half, mono.size())), -46.0);
    EXPECT_LT(audiotest::Peak(stereo), 32000);
}

}  // namespace
