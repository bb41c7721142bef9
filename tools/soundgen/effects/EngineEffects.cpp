// The ship's engine. Every engine sound comes from one model, so that idle, the four
// accelerating bands, top speed and coasting sound like the same engine at different speeds:
// exhaust pulses at the firing rate, each ringing the same fixed resonances of the "body", a hum
// locked to the firing rate, intake noise that breathes with the pulses, and a turbine whine
// that grows with speed. The loop is built circularly (a pulse that runs past the end rings on at
// the start), so it repeats without a seam; its start is moved to the quiet moment before a firing.

#include <algorithm>
#include <array>
#include <cmath>

#include "effects/Effects.h"
#include "synth/Envelope.h"
#include "synth/Filters.h"
#include "synth/Periodic.h"
#include "synth/Random.h"

namespace effects {

using namespace synth;

namespace {

struct EngineTune {
    double firingHz;     // exhaust pulses per second: the engine's pitch
    double loopSeconds;  // length of the whole looping sample
    double load;         // 0 = rolling off the throttle .. 1 = full throttle
    double whine;        // turbine whine level, relative to the pulses
    int glide;           // +1 an endless rising whine (accelerating), -1 falling (coasting), 0 none
    double rmsDbfs;      // average level of the finished loop
    uint64_t seed;
};

// Four cylinders that do not fire quite alike: the uneven beat that makes it one engine.
constexpr std::array<double, 4> kCylinderStrength = {1.0, 0.82, 0.93, 0.76};

// One exhaust pulse: the fixed resonances of the engine, brighter under load.
Signal FiringPulse(double load, double strength, Random& random) {
    struct Resonance {
        double hz, decay, level;  // Hz, s, relative
    };
    const Resonance resonances[] = {
        {105.0, 0.011, 1.0},
        {250.0, 0.0055, 0.55 + 0.25 * load},
        {640.0, 0.0026, 0.22 + 0.35 * load},
        {1550.0, 0.0012, 0.08 + 0.25 * load},
    };
    Signal pulse(SamplesFor(0.05));
    StateVariableFilter grit;
    const double gritLevel = 0.25 + 0.45 * load;
    for (size_t i = 0; i < pulse.size(); ++i) {
        const double t = SecondsAt(i);
        const double onset = 1.0 - std::exp(-t / 0.0004);
        double sample = 0.0;
        for (const Resonance& r : resonances)
            sample += r.level * std::exp(-t / r.decay) * std::sin(kTwoPi * r.hz * t);
        sample += gritLevel * std::exp(-t / 0.002) * grit.LowPass(random.Bipolar(), 3500.0);
        pulse[i] = static_cast<float>(strength * onset * sample);
    }
    return pulse;
}

// Mixes layer into loop at the given RMS relative to the firing pulses.
void AddLayer(Signal& loop, Signal layer, double rms) {
    SetRms(layer, rms);
    MixInto(loop, layer, 0);
}

Signal EngineLoop(const EngineTune& tune) {
    const size_t length = SamplesFor(tune.loopSeconds);
    // A whole number of four-cylinder cycles per loop, so every cylinder fires in turn across
    // the seam; the firing rate moves by at most a fraction of a percent to fit.
    const int cycles =
        std::max(1, static_cast<int>(std::lround(tune.firingHz * tune.loopSeconds / 4.0)));
    const int firings = 4 * cycles;
    const double period = static_cast<double>(length) / firings;  // samples between firings
    Random random(tune.seed);

    Signal loop(length, 0.0f);
    Signal firingShape(length, 0.0f);  // where the pulses are: it paces the intake noise
    const Signal pulseOutline = [] {
        Signal outline(SamplesFor(0.012));
        for (size_t i = 0; i < outline.size(); ++i)
            outline[i] = static_cast<float>(std::exp(-SecondsAt(i) / 0.004));
        return outline;
    }();
    for (int firing = 0; firing < firings; ++firing) {
        double strength =
            kCylinderStrength[static_cast<size_t>(firing % 4)] * random.Uniform(0.9, 1.1);
        // Off the throttle the mixture stumbles: some pulses are weak, a few pop.
        const double stumble = random.Uniform(0.0, 1.0);
        if (stumble < 0.18 * (1.0 - tune.load))
            strength *= 0.35;
        if (stumble > 1.0 - 0.05 * (1.0 - tune.load))
            strength *= 1.5;
        const double jitter = random.Uniform(-0.02, 0.02) * period;
        const size_t at =
            static_cast<size_t>(std::lround(firing * period + jitter + length)) % length;
        AddWrapped(loop, FiringPulse(tune.load, strength, random), at, 1.0f);
        AddWrapped(firingShape, pulseOutline, at, static_cast<float>(strength));
    }

    SetRms(loop, 1.0);

    // The hum: firing rate, its octave, and the half and quarter orders of the uneven cylinders.
    const double f = firings;  // cycles of the firing rate per loop
    AddLayer(loop,
             SumOfPartials(length, {{f / 4.0, 0.3f}, {f / 2.0, 0.6f}, {f, 1.0f}, {2.0 * f, 0.35f}}),
             0.45);

    // Intake noise, pulsing with the firings, louder and brighter under load.
    StateVariableFilter intake;
    const double intakeHz = 900.0 + 1400.0 * tune.load;
    Signal breath = ProcessCircular(WhiteNoise(length, tune.seed + 1),
                                    [&](float x) { return intake.BandPass(x, intakeHz, 0.9); });
    for (size_t i = 0; i < length; ++i)
        breath[i] *= 0.35f + firingShape[i];
    AddLayer(loop, breath, 0.12 + 0.3 * tune.load);

    // The turbine whine rides on the 16th firing order, with a partner two cycles above it
    // that makes it shimmer slowly.
    AddLayer(loop,
             SumOfPartials(length, {{16.0 * f, 1.0f}, {16.0 * f + 2.0, 0.6f}, {24.0 * f, 0.3f}}),
             tune.whine);

    if (tune.glide != 0) {
        // An endless glide, up while accelerating and down while coasting, so that a loop
        // of steady pitch still feels like speed changing.
        AddLayer(loop, EndlessGlide(length, 180.0, 4, tune.glide > 0), 0.06);
    }

    SoftenLoopStart(loop, firings, std::min(0.003, 0.3 * period / kSampleRate));
    FitLoudness(loop, tune.rmsDbfs, -2.0);
    return loop;
}

}  // namespace

Signal EngineIdle() {
    return EngineLoop({.firingHz = 36.0,
                       .loopSeconds = 1.2,
                       .load = 0.25,
                       .whine = 0.04,
                       .glide = 0,
                       .rmsDbfs = -22.0,
                       .seed = 41});
}

Signal EngineAccelerating(int band) {
    // Band 1 starts just above idle; each band climbs about a quarter more.
    const double firingHz[] = {50.0, 62.0, 76.0, 92.0};
    const int index = std::clamp(band, 1, 4) - 1;
    return EngineLoop({.firingHz = firingHz[index],
                       .loopSeconds = 1.6,
                       .load = 0.9,
                       .whine = 0.06 + 0.04 * index,
                       .glide = 1,
                       .rmsDbfs = -20.0,
                       .seed = 42 + static_cast<uint64_t>(index)});
}

Signal EngineTopSpeed() {
    return EngineLoop({.firingHz = 112.0,
                       .loopSeconds = 1.2,
                       .load = 0.8,
                       .whine = 0.3,
                       .glide = 0,
                       .rmsDbfs = -20.0,
                       .seed = 47});
}

Signal EngineCoasting() {
    return EngineLoop({.firingHz = 66.0,
                       .loopSeconds = 1.4,
                       .load = 0.1,
                       .whine = 0.08,
                       .glide = -1,
                       .rmsDbfs = -23.0,
                       .seed = 48});
}

}  // namespace effects
