// Renders what the generator makes into WAV files a person can listen to without the game, and
// prints the levels that matter when balancing them (docs/audio.md):
//   Effects.wav        every item of the sound list in order, 0.5 s apart, loops played 3 times
//   Menu.wav, Race.wav the first seconds of each module, played by libxmp
//   MenuLoop.wav, RaceLoop.wav  6 s either side of the point where each module loops

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "BinaryWriter.h"
#include "SoundListWriter.h"
#include "effects/SoundCatalog.h"
#include "music/Songs.h"
#include "preview/XmpRender.h"
#include "synth/Signal.h"
#include "xm/XmWriter.h"

namespace {

struct Levels {
    double peakDb, rmsDb;  // dBFS
};

Levels Measure(const std::vector<int16_t>& samples) {
    double peak = 0.0, sum = 0.0;
    for (int16_t s : samples) {
        peak = std::max(peak, std::fabs(s / 32768.0));
        sum += (s / 32768.0) * (s / 32768.0);
    }
    const double rms = samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
    return {synth::GainToDb(peak), synth::GainToDb(rms)};
}

void WriteEffects(const std::string& folder) {
    const std::vector<SoundRecord> sounds = effects::BuildSoundList();
    std::vector<int16_t> all;
    const std::vector<int16_t> gap(static_cast<size_t>(0.5 * 44100), 0);
    std::printf("%-3s %-24s %-5s %8s %9s %9s\n", "#", "effect", "loop", "ms", "peak dB", "rms dB");
    for (size_t i = 0; i < sounds.size(); ++i) {
        const SoundRecord& sound = sounds[i];
        const Levels levels = Measure(sound.Samples);
        std::printf("%-3zu %-24s %-5s %8.0f %9.1f %9.1f\n", i, sound.Name.c_str(),
                    sound.Looping ? "yes" : "", 1000.0 * sound.Samples.size() / sound.SampleRate,
                    levels.peakDb, levels.rmsDb);
        all.insert(all.end(), gap.begin(), gap.end());
        for (int repeat = 0; repeat < (sound.Looping ? 3 : 1); ++repeat)
            all.insert(all.end(), sound.Samples.begin(), sound.Samples.end());
    }
    WriteFileBytes(folder + "/Effects.wav", EncodeWav(all, 44100, 1));
}

void WriteSong(const std::string& folder, const std::string& name, const xm::Module& song,
               double seconds) {
    const std::vector<uint8_t> bytes = xm::SerializeModule(song);
    std::vector<int16_t> opening;
    double loopAt = 0.0;
    {
        preview::XmpRender player(bytes);
        opening = player.Render(seconds);
    }
    {
        preview::XmpRender player(bytes);
        loopAt = player.SecondsUntilLoop(600.0);
    }
    const Levels levels = Measure(opening);
    std::printf("%-5s peak %.1f dBFS, rms %.1f dBFS over the first %.0f s; loops after %.2f s\n",
                name.c_str(), levels.peakDb, levels.rmsDb, seconds, loopAt);
    WriteFileBytes(folder + "/" + name + ".wav", EncodeWav(opening, preview::XmpRender::kRate, 2));
    if (loopAt > 6.0) {
        preview::XmpRender player(bytes);
        player.Render(loopAt - 6.0);
        WriteFileBytes(folder + "/" + name + "Loop.wav",
                       EncodeWav(player.Render(12.0), preview::XmpRender::kRate, 2));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <output folder> [seconds of each song, default 30]\n",
                     argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const double seconds = argc == 3 ? std::atof(argv[2]) : 30.0;
    try {
        WriteEffects(folder);
        WriteSong(folder, "Menu", music::ComposeMenuSong(), seconds);
        WriteSong(folder, "Race", music::ComposeRaceSong(), seconds);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_audio_preview: %s\n", error.what());
        return 1;
    }
    return 0;
}
