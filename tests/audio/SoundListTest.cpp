// The generated sound list: what the game indexes, what the catalog asks of each item, and the
// qualities a listener would notice first (clipping, clicks at a loop's seam or start, levels).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AudioTestSupport.h"
#include "SoundListWriter.h"
#include "effects/SoundCatalog.h"

namespace {

using audiotest::Db;
using audiotest::Rms;

const std::vector<SoundRecord>& Sounds() {
    static const std::vector<SoundRecord> sounds = effects::BuildSoundList();
    return sounds;
}

struct Requirement {
    int index;
    bool looping;
    double minMs, maxMs;  // length of the sample
};

// What the asset catalog asks of each index. Loops may be 0.5..2 s; placeholders about 0.1 s.
const Requirement kCatalog[] = {
    {0, false, 800, 1200},   {1, false, 20, 40},      {2, false, 50, 80},    {3, false, 150, 300},
    {4, true, 500, 2000},    {5, false, 50, 200},     {6, true, 500, 2000},  {7, true, 500, 2000},
    {8, true, 500, 2000},    {9, true, 500, 2000},    {10, true, 500, 2000}, {11, true, 500, 2000},
    {12, true, 500, 2000},   {13, true, 500, 2000},   {14, false, 150, 250}, {15, false, 300, 500},
    {16, false, 50, 200},    {17, false, 150, 250},   {18, false, 20, 70},   {19, false, 50, 200},
    {20, false, 1000, 1500}, {21, false, 2500, 3200}, {22, true, 500, 2000}, {23, false, 150, 250},
    {24, false, 50, 200},    {25, false, 400, 700},   {26, false, 150, 300},
};
const int kPlaceholders[] = {5, 16, 19, 24};
const int kEngineRising[] = {4, 9, 10, 11, 12, 13};  // idle, the four bands, top speed

double LengthMs(const SoundRecord& sound) {
    return 1000.0 * sound.Samples.size() / sound.SampleRate;
}

bool IsPlaceholder(int index) {
    return std::find(std::begin(kPlaceholders), std::end(kPlaceholders), index) !=
           std::end(kPlaceholders);
}

TEST(SoundList, HoldsEveryIndexWithTheCatalogsLoopFlagAndLength) {
    ASSERT_EQ(Sounds().size(), 27u);
    for (const Requirement& r : kCatalog) {
        const SoundRecord& sound = Sounds()[static_cast<size_t>(r.index)];
        SCOPED_TRACE("item " + std::to_string(r.index) + " " + sound.Name);
        EXPECT_EQ(sound.Looping, r.looping);
        EXPECT_GE(LengthMs(sound), r.minMs);
        EXPECT_LE(LengthMs(sound), r.maxMs);
        EXPECT_EQ(sound.SampleRate, 44100);
        EXPECT_EQ(sound.Channels, 1);
        EXPECT_EQ(sound.Volume, 128);  // the balance lives in the samples
    }
}

TEST(SoundList, PlaceholdersAreSilentAndEveryOtherItemIsHeardWithoutClipping) {
    for (size_t i = 0; i < Sounds().size(); ++i) {
        const SoundRecord& sound = Sounds()[i];
        SCOPED_TRACE("item " + std::to_string(i) + " " + sound.Name);
        const int peak = audiotest::Peak(sound.Samples);
        if (IsPlaceholder(static_cast<int>(i))) {
            EXPECT_EQ(peak, 0);
            continue;
        }
        EXPECT_LT(peak, 32767) << "touches full scale";
        EXPECT_GT(Db(peak / 32767.0), -16.0) << "too quiet to be heard over the music";
        EXPECT_LT(Db(peak / 32767.0), -0.5) << "no headroom left for the mixer";
    }
}

TEST(SoundList, OneShotsStartAndEndInSilence) {
    for (const Requirement& r : kCatalog) {
        const SoundRecord& sound = Sounds()[static_cast<size_t>(r.index)];
        if (r.looping || IsPlaceholder(r.index))
            continue;
        SCOPED_TRACE("item " + std::to_string(r.index) + " " + sound.Name);
        EXPECT_LT(std::abs(sound.Samples.front()), 200);
        EXPECT_LT(std::abs(sound.Samples.back()), 200);
    }
}

TEST(SoundList, LoopsAreSeamlessAndStartSoftly) {
    for (const Requirement& r : kCatalog) {
        if (!r.looping)
            continue;
        const std::vector<int16_t>& s = Sounds()[static_cast<size_t>(r.index)].Samples;
        SCOPED_TRACE("item " + std::to_string(r.index) + " " +
                     Sounds()[static_cast<size_t>(r.index)].Name);
        // The step from the last sample back to the first is no bigger than steps inside the loop.
        std::vector<int> steps;
        for (size_t i = 1; i < s.size(); ++i)
            steps.push_back(std::abs(s[i] - s[i - 1]));
        std::sort(steps.begin(), steps.end());
        const int typicalStep = steps[steps.size() * 9 / 10];
        EXPECT_LE(std::abs(s.front() - s.back()), typicalStep);
        // Restarted from silence it must not click: the first millisecond is far below the loop.
        const double loopLevel = Rms(s);
        EXPECT_LT(std::abs(s.front()), 100);
        EXPECT_LT(Db(Rms(s, 0, 44)), Db(loopLevel) - 8.0);
        // Start and end at matching levels, so the loop has no audible swell at its seam.
        const size_t tenth = 4410;  // 100 ms
        EXPECT_NEAR(Db(Rms(s, 0, tenth)), Db(Rms(s, s.size() - tenth, s.size())), 3.0);
    }
}

TEST(SoundList, CountdownTickDiesAwayBeforeTheNextTickTenASecond) {
    const std::vector<int16_t>& tick = Sounds()[18].Samples;
    EXPECT_LE(LengthMs(Sounds()[18]), 70.0);
    EXPECT_LT(Db(Rms(tick, tick.size() - 220, tick.size())), Db(Rms(tick)) - 15.0);  // last 5 ms
}

TEST(SoundList, EngineSoundsAreOneEngineAtRisingPitchAndSimilarLevel) {
    double previousHz = 0.0;
    for (int index : kEngineRising) {
        const std::vector<int16_t>& engine = Sounds()[static_cast<size_t>(index)].Samples;
        SCOPED_TRACE("item " + std::to_string(index));
        const double firingHz = audiotest::PulseRateHz(engine, 44100, 25.0, 150.0);
        EXPECT_GT(firingHz, previousHz * 1.1);
        previousHz = firingHz;
        EXPECT_NEAR(Db(Rms(engine)), -21.0, 2.5);
    }
}

TEST(SoundList, GeneratingTwiceGivesTheSameBytesAsTheDataFolder) {
    const std::vector<uint8_t> first = SerializeSoundList(Sounds());
    EXPECT_EQ(first, SerializeSoundList(effects::BuildSoundList()));
    EXPECT_EQ(first, audiotest::ReadFile("Data/Res/Sounds.dxw")) << "the built data is stale";
}

}  // namespace
