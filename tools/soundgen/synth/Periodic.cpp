#include "synth/Periodic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "synth/Random.h"

namespace synth {

Signal SumOfPartials(size_t length, const std::vector<Partial>& partials) {
    Signal sum(length, 0.0f);
    for (const Partial& partial : partials) {
        const double step = partial.cyclesPerLoop / static_cast<double>(length);
        for (size_t i = 0; i < length; ++i) {
            double cycles = partial.phase + step * static_cast<double>(i);
            cycles -= std::floor(cycles);
            sum[i] += partial.amplitude * static_cast<float>(std::sin(kTwoPi * cycles));
        }
    }
    return sum;
}

void AddWrapped(Signal& loop, const Signal& grain, size_t position, float gain) {
    if (loop.empty())
        return;
    for (size_t i = 0; i < grain.size(); ++i)
        loop[(position + i) % loop.size()] += gain * grain[i];
}

Signal PeriodicWobble(size_t length, int knots, uint64_t seed) {
    Random random(seed);
    std::vector<double> values(static_cast<size_t>(knots));
    for (double& value : values)
        value = random.Uniform(-1.0, 1.0);
    Signal curve(length);
    for (size_t i = 0; i < length; ++i) {
        const double position = static_cast<double>(i) * knots / static_cast<double>(length);
        const int knot = static_cast<int>(position);
        const double blend = 0.5 - 0.5 * std::cos(kPi * (position - knot));
        const double from = values[static_cast<size_t>(knot % knots)];
        const double to = values[static_cast<size_t>((knot + 1) % knots)];
        curve[i] = static_cast<float>(from + (to - from) * blend);
    }
    return curve;
}

std::vector<double> LoopPhase(const std::vector<double>& frequencyHz) {
    double total = 0.0;
    for (double frequency : frequencyHz)
        total += frequency / kSampleRate;
    const double wholeCycles = std::max(1.0, std::round(total));
    const double correction = total > 0.0 ? wholeCycles / total : 1.0;
    std::vector<double> phase(frequencyHz.size());
    double cycles = 0.0;
    for (size_t i = 0; i < frequencyHz.size(); ++i) {
        phase[i] = cycles;
        cycles += correction * frequencyHz[i] / kSampleRate;
    }
    return phase;
}

Signal EndlessGlide(size_t length, double lowestHz, int octaves, bool rising) {
    const double period = static_cast<double>(length) / kSampleRate;  // s
    // The phase of partial k after one loop is lowest * 2^k * period / ln 2 cycles (rising) and
    // half that (falling): a whole number for every k once lowest * period / ln 2 is one.
    const double ln2 = std::log(2.0);
    const double lowest = std::max(1.0, std::round(lowestHz * period / ln2)) * ln2 / period;
    Signal glide(length, 0.0f);
    for (int k = 0; k < octaves + 1; ++k) {
        for (size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / kSampleRate / period;  // 0..1 of the loop
            const double position = rising ? k + t : k - t;                  // octaves above lowest
            if (position < 0.0 || position > octaves)
                continue;
            const double weight = std::sin(kPi * position / octaves);
            const double base = lowest * std::pow(2.0, k) * period / ln2;
            const double cycles =
                rising ? base * (std::pow(2.0, t) - 1.0) : base * (1.0 - std::pow(2.0, -t));
            glide[i] += static_cast<float>(weight * weight *
                                           std::sin(kTwoPi * (cycles - std::floor(cycles))));
        }
    }
    return glide;
}

void SoftenLoopStart(Signal& loop, int dipsPerLoop, double dipSeconds) {
    const size_t length = loop.size();
    if (length == 0 || dipsPerLoop < 1)
        return;
    const double period = static_cast<double>(length) / dipsPerLoop;
    const double halfWidth = std::max(1.0, static_cast<double>(SamplesFor(dipSeconds)) / 2.0);
    const size_t halfWindow = static_cast<size_t>(halfWidth);

    // Energy around each offset of the period, summed over every period of the loop.
    std::vector<double> prefix(2 * length + 1, 0.0);
    for (size_t i = 0; i < 2 * length; ++i) {
        const double sample = loop[i % length];
        prefix[i + 1] = prefix[i] + sample * sample;
    }
    auto windowEnergy = [&](size_t centre) {
        const size_t begin = (centre + length - halfWindow) % length;
        return prefix[begin + 2 * halfWindow] - prefix[begin];
    };
    size_t quietest = 0;
    double lowest = std::numeric_limits<double>::max();
    for (size_t offset = 0; offset < static_cast<size_t>(period); ++offset) {
        double energy = 0.0;
        for (int dip = 0; dip < dipsPerLoop; ++dip)
            energy += windowEnergy((offset + static_cast<size_t>(dip * period)) % length);
        if (energy < lowest) {
            lowest = energy;
            quietest = offset;
        }
    }
    std::rotate(loop.begin(), loop.begin() + static_cast<long>(quietest), loop.end());

    for (size_t i = 0; i < length; ++i) {
        double distance = std::fmod(static_cast<double>(i), period);
        distance = std::min(distance, period - distance);
        if (distance < halfWidth)
            loop[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * distance / halfWidth));
    }
}

}  // namespace synth
