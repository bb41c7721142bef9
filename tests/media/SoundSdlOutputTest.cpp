// Sound effects and music through the real SDL_mixer path, heard by SDL's disk audio driver: what
// the mixer plays lands in a raw file of 44.1 kHz 16-bit stereo frames that the tests read back.
// These tests wait in real time, because the mixer runs on its own clock.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

#include "BinaryWriter.h"
#include "engine/SoundList.h"
#include "harness/SoundTestFiles.h"
#include "platform/sdl/SdlAudio.h"

namespace {

constexpr int FramesPerMs = 44100 / 1000;  // about; 44.1 frames per ms
constexpr int16_t Audible = 1000;          // our test tones peak at 20000, mixed at 10000

struct Recording {
    std::vector<int16_t> Left;
    std::vector<int16_t> Right;

    static int Peak(const std::vector<int16_t>& channel) {
        int peak = 0;
        for (int16_t sample : channel)
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        return peak;
    }
    // Frames from the first audible one to the last, on either channel; 0 when all is quiet.
    int AudibleSpan() const {
        int first = -1;
        int last = -1;
        for (int i = 0; i < static_cast<int>(Left.size()); ++i) {
            if (std::abs(Left[i]) < Audible && std::abs(Right[i]) < Audible)
                continue;
            if (first < 0)
                first = i;
            last = i;
        }
        return first < 0 ? 0 : last - first + 1;
    }
    // Whether the last frames are all silent.
    bool EndsSilent(int frames) const {
        const int size = static_cast<int>(Left.size());
        for (int i = std::max(0, size - frames); i < size; ++i)
            if (Left[i] != 0 || Right[i] != 0)
                return false;
        return size >= frames;
    }
};

void Pump(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

class SdlAudioOutput : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        audio = std::make_unique<platform::sdl::SdlAudio>();
        ASSERT_TRUE(audio->DeviceOpen());
        sounds = std::make_unique<TSoundList>(audio->Sounds(), soundOn);
    }

    // Loads these sounds through the game's own list, from a real file.
    void LoadSounds(const std::vector<SoundRecord>& records) {
        const std::string path = folder.File("Sounds.dxw");
        WriteSoundList(path, records);
        sounds->LoadFromFile(path);
    }

    // Closes the device, which finishes the file, and reads what the mixer wrote.
    Recording Recorded() {
        audio.reset();
        std::ifstream in(output, std::ios::binary);
        Recording recording;
        int16_t frame[2];
        while (in.read(reinterpret_cast<char*>(frame), sizeof frame)) {
            recording.Left.push_back(frame[0]);
            recording.Right.push_back(frame[1]);
        }
        return recording;
    }

    TempFolder folder;
    const std::string output = folder.File("output.raw");
    std::unique_ptr<platform::sdl::SdlAudio> audio;
    bool soundOn = true;
    std::unique_ptr<TSoundList> sounds;  // on audio's device; unused once audio is closed
};

TEST_F(SdlAudioOutput, PlayedSoundIsHeardForItsLength) {
    LoadSounds({ToneRecord(200)});
    sounds->PlaySound(0);
    EXPECT_TRUE(sounds->IsPlaying(0));
    Pump(500);
    EXPECT_FALSE(sounds->IsPlaying(0));  // the mixer says it has ended
    const Recording recording = Recorded();
    // 6 dB down: the mix leaves headroom for sounds that play together over the music.
    EXPECT_NEAR(Recording::Peak(recording.Left), 10000, 200);
    EXPECT_NEAR(Recording::Peak(recording.Right), 10000, 200);
    EXPECT_NEAR(recording.AudibleSpan(), 200 * FramesPerMs, 10 * FramesPerMs);
}

TEST_F(SdlAudioOutput, FrequencyPlaysTheSampleFaster) {
    SoundRecord fast = ToneRecord(200, 8000);
    fast.Frequency = 16000;
    LoadSounds({fast});
    sounds->PlaySound(0);
    Pump(400);
    EXPECT_NEAR(Recorded().AudibleSpan(), 100 * FramesPerMs, 10 * FramesPerMs);
}

TEST_F(SdlAudioOutput, PanAndVolumeShapeTheSound) {
    SoundRecord left = ToneRecord(100);
    left.Pan = -100;
    SoundRecord quiet = ToneRecord(100);
    quiet.Volume = 0;
    LoadSounds({left, quiet});
    sounds->PlaySound(0);
    sounds->PlaySound(1);
    Pump(300);
    const Recording recording = Recorded();
    EXPECT_GT(Recording::Peak(recording.Left), 5000);
    EXPECT_EQ(Recording::Peak(recording.Right), 0);
}

TEST_F(SdlAudioOutput, LoopSoundsUntilStopped) {
    SoundRecord loop = ToneRecord(50);
    loop.Looping = true;
    LoadSounds({loop});
    sounds->PlaySound(0);
    Pump(400);
    EXPECT_TRUE(sounds->IsPlaying(0));
    sounds->StopSound(0);
    EXPECT_FALSE(sounds->IsPlaying(0));
    Pump(250);
    const Recording recording = Recorded();
    EXPECT_GT(recording.AudibleSpan(), 300 * FramesPerMs);
    EXPECT_TRUE(recording.EndsSilent(100 * FramesPerMs));
}

TEST_F(SdlAudioOutput, XmModuleLoopsUntilFreed) {
    const std::string path = folder.File("Song.xm");
    WriteFileBytes(path, TinyXmModule());
    platform::MusicPlayer& player = audio->Music();
    const platform::SongHandle song = player.SongLoadFromFile(path);
    ASSERT_NE(song, 0u);
    player.SongPlay(song);
    // The song is 16 rows of 3 ticks of 20 ms (125 BPM): 960 ms. This runs well into its second
    // pass, which only a looping song reaches.
    Pump(1500);
    player.SongFree(song);
    Pump(250);
    const Recording recording = Recorded();
    EXPECT_GT(recording.AudibleSpan(), 1200 * FramesPerMs);
    EXPECT_TRUE(recording.EndsSilent(100 * FramesPerMs));
}

TEST_F(SdlAudioOutput, OnlyXmModulesLoadAsSongs) {
    const std::string wav = folder.File("NotASong.xm");
    WriteFileBytes(wav, EncodeWav(ToneRecord(100).Samples, 22050, 1));
    EXPECT_EQ(audio->Music().SongLoadFromFile(wav), 0u);
    EXPECT_EQ(audio->Music().SongLoadFromFile(folder.File("Missing.xm")), 0u);
    EXPECT_EQ(audio->Music().SongLoadFromResource("MENU"), 0u);
}

TEST_F(SdlAudioOutput, GameMenuMusicLoads) {
    const std::string menu = "Data/Music/Menu.xm";  // tests run in the build folder
    if (!std::filesystem::exists(menu))
        GTEST_SKIP() << menu << " has not been generated";
    const platform::SongHandle song = audio->Music().SongLoadFromFile(menu);
    ASSERT_NE(song, 0u);
    audio->Music().SongPlay(song);
    Pump(200);
    audio->Music().SongFree(song);
}

TEST(SdlAudioWithoutDevice, EverythingIsSilentAndNothingFails) {
    TempFolder folder;
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::sdl::SdlAudio audio;
    EXPECT_FALSE(audio.DeviceOpen());

    bool soundOn = true;
    TSoundList sounds(audio.Sounds(), soundOn);
    sounds.LoadFromBytes(SoundListBytes({ToneRecord(100)}), "Sounds.dxw");
    EXPECT_EQ(sounds.Count(), 1);
    sounds.PlaySound(0);
    EXPECT_FALSE(sounds.IsPlaying(0));
    sounds.StopSound(0);

    const std::string song = folder.File("Song.xm");
    WriteFileBytes(song, TinyXmModule());
    EXPECT_EQ(audio.Music().SongLoadFromFile(song), 0u);
    audio.Music().SongPlay(0);
    audio.Music().SongFree(0);
}

}  // namespace
