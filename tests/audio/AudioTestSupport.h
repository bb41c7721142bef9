#pragma once
// Measurements shared by the audio tests. Levels are relative to full scale (1.0 = 32767).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace audiotest {

inline double Db(double gain) {
    return 20.0 * std::log10(std::max(gain, 1e-9));
}

inline double Rms(const std::vector<int16_t>& samples, size_t begin, size_t end) {
    end = std::min(end, samples.size());
    if (begin >= end)
        return 0.0;
    double sum = 0.0;
    for (size_t i = begin; i < end; ++i)
        sum += (samples[i] / 32767.0) * (samples[i] / 32767.0);
    return std::sqrt(sum / static_cast<double>(end - begin));
}
inline double Rms(const std::vector<int16_t>& samples) {
    return Rms(samples, 0, samples.size());
}

inline int Peak(const std::vector<int16_t>& samples) {
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak;
}

// Left and right averaged.
inline std::vector<int16_t> Mono(const std::vector<int16_t>& stereo) {
    std::vector<int16_t> mono(stereo.size() / 2);
    for (size_t i = 0; i < mono.size(); ++i)
        mono[i] = static_cast<int16_t>((stereo[2 * i] + stereo[2 * i + 1]) / 2);
    return mono;
}

// The frequency between lowHz and highHz (scanned in stepHz steps) where the signal has the most
// energy: a plain DFT, slow but exact enough for tuning checks.
inline double DominantHz(const std::vector<int16_t>& samples, int rate, double lowHz, double highHz,
                         double stepHz) {
    double best = lowHz, bestPower = -1.0;
    for (double hz = lowHz; hz <= highHz; hz += stepHz) {
        double re = 0.0, im = 0.0;
        const double w = 2.0 * 3.14159265358979323846 * hz / rate;
        for (size_t i = 0; i < samples.size(); ++i) {
            re += samples[i] * std::cos(w * static_cast<double>(i));
            im += samples[i] * std::sin(w * static_cast<double>(i));
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = hz;
        }
    }
    return best;
}

// How often the level pulses, between lowHz and highHz: the squared signal, smoothed, then its
// strongest frequency. For an engine this is the firing rate, whatever its resonances ring at.
inline double PulseRateHz(const std::vector<int16_t>& samples, int rate, double lowHz,
                          double highHz) {
    std::vector<int16_t> envelope(samples.size());
    const double smoothing = 1.0 - std::exp(-2.0 * 3.14159265358979323846 * 300.0 / rate);
    double level = 0.0, sum = 0.0;
    std::vector<double> raw(samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        level += smoothing * (static_cast<double>(samples[i]) * samples[i] / 32768.0 - level);
        raw[i] = level;
        sum += level;
    }
    const double mean = sum / static_cast<double>(samples.size());
    double largest = 1e-9;
    for (double value : raw)
        largest = std::max(largest, std::fabs(value - mean));
    for (size_t i = 0; i < raw.size(); ++i)
        envelope[i] = static_cast<int16_t>(30000.0 * (raw[i] - mean) / largest);
    return DominantHz(envelope, rate, lowHz, highHz, 0.5);
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace audiotest
