#include "music/InstrumentKit.h"

#include <algorithm>
#include <cmath>

namespace music {

namespace {

// XM plays C-4 at 8363 samples per second before the sample's relative note and finetune.
constexpr double kMiddleCRate = 8363.0;

xm::Sample TunedSample(const std::string& name, const Recording& recording, int volume) {
    synth::Signal wave = recording.Wave;
    synth::NormalizePeak(wave, -0.3);
    xm::Sample sample;
    sample.Name = name;
    sample.Data = synth::ToPcm16(wave);
    sample.Volume = static_cast<uint8_t>(std::clamp(volume, 0, 64));
    // Semitones to raise middle C's 8363 Hz to our rate, less the recording's distance from C.
    const double semitones =
        12.0 * std::log2(synth::kSampleRate / kMiddleCRate) + 60.0 - recording.Midi;
    const double whole = std::round(semitones);
    sample.RelativeNote = static_cast<int8_t>(whole);
    sample.Finetune =
        static_cast<int8_t>(std::clamp(std::lround((semitones - whole) * 128.0), -128L, 127L));
    return sample;
}

}  // namespace

double MidiOf(double hz) {
    return 69.0 + 12.0 * std::log2(hz / 440.0);
}

xm::Sample OneShotSample(const std::string& name, const Recording& recording, int volume) {
    return TunedSample(name, recording, volume);
}

xm::Sample LoopedSample(const std::string& name, const Recording& recording, int volume) {
    xm::Sample sample = TunedSample(name, recording, volume);
    sample.Loop = xm::LoopType::Forward;
    sample.LoopStart = 0;
    sample.LoopLength = static_cast<uint32_t>(sample.Data.size());
    return sample;
}

xm::Envelope HeldEnvelope(double attack, double decay, double sustain, double tickSeconds) {
    auto ticks = [&](double seconds) {
        return static_cast<uint16_t>(std::max(1.0, std::round(seconds / tickSeconds)));
    };
    const auto held = static_cast<uint8_t>(std::lround(64.0 * sustain));
    xm::Envelope envelope;
    if (attack <= 0.0) {  // struck: full level on the first tick
        envelope.Points = {{0, 64}, {ticks(decay), held}};
    } else {
        const uint16_t peakTick = ticks(attack);
        envelope.Points = {
            {0, 0}, {peakTick, 64}, {static_cast<uint16_t>(peakTick + ticks(decay)), held}};
    }
    envelope.Sustain = static_cast<int>(envelope.Points.size()) - 1;
    return envelope;
}

uint16_t FadeoutFor(double releaseSeconds, double tickSeconds) {
    const double ticks = std::max(1.0, releaseSeconds / tickSeconds);
    return static_cast<uint16_t>(std::clamp(std::lround(32768.0 / ticks), 1L, 0xFFFL));
}

}  // namespace music
