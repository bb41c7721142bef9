#include "synth/Signal.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace synth {

double DbToGain(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

double GainToDb(double gain) {
    return 20.0 * std::log10(std::max(gain, 1e-9));
}

void MixInto(Signal& target, const Signal& source, size_t offset, float gain) {
    if (target.size() < offset + source.size())
        target.resize(offset + source.size(), 0.0f);
    for (size_t i = 0; i < source.size(); ++i)
        target[offset + i] += gain * source[i];
}

float Peak(const Signal& signal) {
    float peak = 0.0f;
    for (float sample : signal)
        peak = std::max(peak, std::fabs(sample));
    return peak;
}

float Rms(const Signal& signal, size_t begin, size_t end) {
    end = std::min(end, signal.size());
    if (begin >= end)
        return 0.0f;
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i)
        sum += static_cast<double>(signal[i]) * signal[i];
    return static_cast<float>(std::sqrt(sum / static_cast<double>(end - begin)));
}

void Scale(Signal& signal, float gain) {
    for (float& sample : signal)
        sample *= gain;
}

void NormalizePeak(Signal& signal, double peakDbfs) {
    const float peak = Peak(signal);
    if (peak > 0.0f)
        Scale(signal, static_cast<float>(DbToGain(peakDbfs) / peak));
}

void SetRms(Signal& signal, double rms) {
    const float current = Rms(signal);
    if (current > 0.0f)
        Scale(signal, static_cast<float>(rms / current));
}

void FitLoudness(Signal& signal, double rmsDbfs, double peakCeilingDbfs) {
    const float rms = Rms(signal);
    const float peak = Peak(signal);
    if (rms <= 0.0f)
        return;
    const double gain = std::min(DbToGain(rmsDbfs) / rms, DbToGain(peakCeilingDbfs) / peak);
    Scale(signal, static_cast<float>(gain));
}

void FadeIn(Signal& signal, double seconds) {
    const size_t count = std::min(SamplesFor(seconds), signal.size());
    for (size_t i = 0; i < count; ++i)
        signal[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * (i + 0.5) / count));
}

void FadeOut(Signal& signal, double seconds) {
    const size_t count = std::min(SamplesFor(seconds), signal.size());
    const size_t start = signal.size() - count;
    for (size_t i = 0; i < count; ++i)
        signal[start + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * (i + 0.5) / count));
}

std::vector<int16_t> ToPcm16(const Signal& signal) {
    std::vector<int16_t> pcm(signal.size());
    for (size_t i = 0; i < signal.size(); ++i) {
        const double scaled = std::round(static_cast<double>(signal[i]) * 32767.0);
        if (scaled > 32767.0 || scaled < -32767.0)
            throw std::range_error("sample beyond full scale at index " + std::to_string(i));
        pcm[i] = static_cast<int16_t>(scaled);
    }
    return pcm;
}

}  // namespace synth
