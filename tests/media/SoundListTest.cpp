// The game's sound list on the headless backend: loading and its errors, the restart rule, the
// SoundOn switch, and how long sounds are heard on the backend's clock.

#include <gtest/gtest.h>

#include "BinaryWriter.h"
#include "engine/FileOpenError.h"
#include "engine/SoundList.h"
#include "harness/SoundTestFiles.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

using platform::AudioCallKind;

constexpr int Tick = 0;    // one-shot of 100 ms
constexpr int Engine = 1;  // looping, 50 ms long
constexpr int Fast = 2;    // one-shot of 100 ms recorded, played at twice its rate
constexpr int Shot = 3;    // one-shot of 100 ms, up to four copies

std::vector<SoundRecord> GameLikeSounds() {
    SoundRecord tick = ToneRecord(100, 8000);
    SoundRecord engine = ToneRecord(50, 8000);
    engine.Looping = true;
    SoundRecord fast = ToneRecord(100, 8000);
    fast.Frequency = 16000;
    SoundRecord shot = ToneRecord(100, 8000);
    shot.MaxCopies = 4;
    return {tick, engine, fast, shot};
}

class SoundList : public ::testing::Test {
protected:
    void SetUp() override { list.LoadFromBytes(SoundListBytes(GameLikeSounds()), "Sounds.dxw"); }

    // The log as "play 1", "stop 1", ... for the sound calls.
    std::vector<std::string> SoundCalls() {
        std::vector<std::string> calls;
        for (const platform::AudioCall& call : backend.AudioLog().Calls())
            calls.push_back((call.Kind == AudioCallKind::SoundPlay ? "play " : "stop ") +
                            std::to_string(call.Index));
        return calls;
    }

    std::string LoadError(const std::string& path) {
        try {
            list.LoadFromFile(path);
            return "";
        } catch (const EFileOpenError& error) {
            return error.what();
        }
    }

    platform::HeadlessBackend backend;
    bool soundOn = true;
    TSoundList list{backend.GetSoundDevice(), soundOn};
    TempFolder folder;
};

TEST_F(SoundList, LoadsEveryItemOfTheFile) {
    const std::string path = folder.File("Sounds.dxw");
    WriteSoundList(path, {ToneRecord(10), ToneRecord(10)});
    ASSERT_EQ(LoadError(path), "");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(backend.Sounds().Count(), 2);
}

TEST_F(SoundList, MissingTruncatedOrDamagedFileNamesTheFile) {
    const std::string missing = folder.File("none.dxw");
    EXPECT_EQ(LoadError(missing),
              "Cannot open file \"" + missing + "\". No such file or directory.");

    const std::string truncated = folder.File("truncated.dxw");
    std::vector<uint8_t> bytes = SerializeSoundList({ToneRecord(10)});
    bytes.resize(18);
    WriteFileBytes(truncated, bytes);
    EXPECT_EQ(LoadError(truncated),
              "Cannot open file \"" + truncated + "\". The file is truncated (32-bit value).");

    const std::string damaged = folder.File("damaged.dxw");
    WriteFileBytes(damaged, {'Z', 'V', 'X', 'I', 'M', 'G', 'L', '1', 1, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(LoadError(damaged),
              "Cannot open file \"" + damaged + "\". It is not a sound list file.");

    // A failed load leaves the sounds that were there.
    EXPECT_EQ(list.Count(), 4);
    list.PlaySound(Engine);
    EXPECT_TRUE(list.IsPlaying(Engine));
}

TEST_F(SoundList, RepeatRestartsInsteadOfLayering) {
    list.PlaySound(Shot);
    backend.AdvanceClock(60);
    list.PlaySound(Shot);
    EXPECT_EQ(backend.Sounds().PlayingCopies(Shot), 1);  // although four copies are allowed
    EXPECT_EQ(SoundCalls(), (std::vector<std::string>{"stop 3", "play 3", "stop 3", "play 3"}));

    // The second start counts: 60 ms into the first pass, the sound runs 100 ms more.
    backend.AdvanceClock(99);
    EXPECT_TRUE(list.IsPlaying(Shot));
    backend.AdvanceClock(1);
    EXPECT_FALSE(list.IsPlaying(Shot));
}

TEST_F(SoundList, SoundOffNeitherPlaysNorStops) {
    list.PlaySound(Engine);
    soundOn = false;
    list.StopSound(Engine);
    list.PlaySound(Tick);
    list.PlaySound(99);  // out of range does not matter when nothing happens
    EXPECT_TRUE(list.IsPlaying(Engine));
    EXPECT_FALSE(list.IsPlaying(Tick));
    EXPECT_EQ(SoundCalls(), (std::vector<std::string>{"stop 1", "play 1"}));

    soundOn = true;  // the switch is read at every call
    list.StopSound(Engine);
    EXPECT_FALSE(list.IsPlaying(Engine));
}

TEST_F(SoundList, LoopPlaysUntilStoppedAndOneShotsEndAfterTheirLength) {
    list.PlaySound(Engine);
    list.PlaySound(Tick);
    list.PlaySound(Fast);
    backend.AdvanceClock(49);
    EXPECT_TRUE(list.IsPlaying(Fast));
    backend.AdvanceClock(1);
    EXPECT_FALSE(list.IsPlaying(Fast));  // played at twice its recorded rate: 50 ms
    EXPECT_TRUE(list.IsPlaying(Tick));
    backend.AdvanceClock(50);
    EXPECT_FALSE(list.IsPlaying(Tick));

    backend.AdvanceClock(10 * 60 * 1000);
    EXPECT_TRUE(list.IsPlaying(Engine));
    list.StopSound(Engine);
    EXPECT_FALSE(list.IsPlaying(Engine));
}

TEST_F(SoundList, IndexOutsideTheListRaisesTheListError) {
    try {
        list.PlaySound(4);
        FAIL();
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (4)");
    }
    EXPECT_THROW(list.StopSound(-1), std::out_of_range);
    EXPECT_THROW(list.IsPlaying(4), std::out_of_range);
    EXPECT_TRUE(backend.AudioLog().Calls().empty());
}

TEST_F(SoundList, DeviceKeepsAtMostTheAllowedCopiesDroppingTheOldest) {
    platform::HeadlessSoundDevice& device = backend.Sounds();
    for (int copy = 0; copy < 5; ++copy) {
        device.Play(Shot);
        backend.AdvanceClock(10);
    }
    EXPECT_EQ(device.PlayingCopies(Shot), 4);
    // The oldest copy left is the second, started at 10 ms: it ends at 110 ms.
    backend.AdvanceClock(60);
    EXPECT_EQ(device.PlayingCopies(Shot), 3);
    device.Stop(Shot);
    EXPECT_EQ(device.PlayingCopies(Shot), 0);
}

}  // namespace
