// The synthesis tools the loops depend on: a loop is only seamless if every layer in it repeats
// exactly, and a sound that reaches full scale must be refused, not clamped.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "synth/Filters.h"
#include "synth/Periodic.h"
#include "synth/Random.h"
#include "synth/Signal.h"

namespace {

using namespace synth;

// Largest jump between neighbours, counting the one from the last sample back to the first.
float SeamStep(const Signal& loop) {
    return std::fabs(loop.front() - loop.back());
}
float LargestStep(const Signal& loop) {
    float largest = 0.0f;
    for (size_t i = 1; i < loop.size(); ++i)
        largest = std::max(largest, std::fabs(loop[i] - loop[i - 1]));
    return largest;
}

TEST(Periodic, LoopPhaseCompletesWholeCyclesWhateverTheFrequency) {
    std::vector<double> frequency(10007);
    for (size_t i = 0; i < frequency.size(); ++i)
        frequency[i] = 440.0 + 37.0 * std::sin(i * 0.001);
    const std::vector<double> phase = LoopPhase(frequency);
    const double correction = (phase[1] - phase[0]) / (frequency[0] / kSampleRate);
    const double total = phase.back() + correction * frequency.back() / kSampleRate;
    EXPECT_NEAR(total, std::round(total), 1e-6);
    double asked = 0.0;
    for (double f : frequency)
        asked += f / kSampleRate;
    EXPECT_LE(std::fabs(total - asked), 0.5);  // nudged to the nearest whole cycle, not re-pitched
}

TEST(Periodic, EndlessGlideJoinsItselfRisingAndFalling) {
    for (bool rising : {true, false}) {
        const Signal glide = EndlessGlide(SamplesFor(1.3), 180.0, 4, rising);
        EXPECT_LE(SeamStep(glide), LargestStep(glide)) << rising;
        EXPECT_GT(Rms(glide), 0.3f);
    }
}

TEST(Periodic, CircularFilteringRepeatsWithoutASeam) {
    const Signal noise = WhiteNoise(SamplesFor(0.5), 5);
    StateVariableFilter filter;
    const Signal loop =
        ProcessCircular(noise, [&](float x) { return filter.LowPass(x, 300.0, 2.0); });
    // A straight pass would end wherever the filter happened to be; the circular one continues
    // from its end into its start like any two neighbours.
    EXPECT_LE(SeamStep(loop), LargestStep(loop));
    StateVariableFilter again;
    Signal twice = noise;
    twice.insert(twice.end(), noise.begin(), noise.end());
    for (float& x : twice)
        x = again.LowPass(x, 300.0, 2.0);
    EXPECT_NEAR(loop[0], twice[noise.size()], 1e-4);
}

TEST(Periodic, SoftenLoopStartSilencesTheStartAndKeepsTheLoopSeamless) {
    Signal loop = SumOfPartials(4410, {{50.0, 0.5f, 0.25}, {150.0, 0.3f, 0.1}});  // 500 and 1500 Hz
    SoftenLoopStart(loop, 10, 0.002);
    EXPECT_EQ(loop.size(), 4410u);
    EXPECT_FLOAT_EQ(loop.front(), 0.0f);
    EXPECT_LE(SeamStep(loop), LargestStep(loop));
    // The dip repeats every tenth of the loop, so it is texture rather than a gap once a loop.
    for (size_t dip = 0; dip < 4410; dip += 441)
        EXPECT_NEAR(loop[dip], 0.0f, 1e-6) << dip;
    EXPECT_GT(Rms(loop, 100, 341), 0.3f);
}

TEST(Signal, PcmConversionRefusesClippingAndLevelsRespectTheCeiling) {
    EXPECT_EQ(ToPcm16({1.0f, -1.0f, 0.5f}), (std::vector<int16_t>{32767, -32767, 16384}));
    EXPECT_THROW(ToPcm16({0.0f, 1.001f}), std::range_error);
    Signal spiky(1000, 0.01f);
    spiky[500] = 1.0f;
    FitLoudness(spiky, -10.0, -6.0);  // the RMS target would push the spike past -6 dBFS
    EXPECT_NEAR(GainToDb(Peak(spiky)), -6.0, 0.01);
    Signal steady = SumOfPartials(4410, {{100.0, 1.0f}});
    FitLoudness(steady, -20.0, -1.0);
    EXPECT_NEAR(GainToDb(Rms(steady)), -20.0, 0.01);
}

}  // namespace
