// zorvex_mix_headroom [seconds]: plays a busy race through the game's own SDL_mixer path into
// SDL's disk audio driver (the race song, the engine at full load, a shot and an impact every
// second, an explosion every two seconds, all at their default volumes), then prints how many
// output samples hit full scale and the peak. Run from the build folder, which holds Data/.

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "engine/SoundListFile.h"
#include "platform/sdl/SdlAudio.h"

namespace {

// Items of the sound list.
constexpr int EngineFullLoad = 12;
constexpr int Explosion = 20;
constexpr int LaserShot = 23;
constexpr int Impact = 26;

std::vector<platform::SoundEffect> GameSounds() {
    std::ifstream in("Data/Res/Sounds.dxw", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<platform::SoundEffect> sounds;
    for (TSoundListEntry& entry : ParseSoundList(bytes))
        sounds.push_back(std::move(entry.Sound));
    return sounds;
}

void PlayBusyRace(int seconds) {
    platform::sdl::SdlAudio audio;
    if (!audio.DeviceOpen())
        throw std::runtime_error("the disk audio device did not open");
    audio.Sounds().Load(GameSounds());
    const platform::SongHandle song = audio.Music().SongLoadFromFile("Data/Music/Race.xm");
    audio.Music().SongPlay(song);
    audio.Sounds().Play(EngineFullLoad);
    for (int tenth = 0; tenth < seconds * 10; ++tenth) {
        if (tenth % 20 == 5)
            audio.Sounds().Play(Explosion);
        if (tenth % 10 == 0)
            audio.Sounds().Play(LaserShot);
        if (tenth % 10 == 7)
            audio.Sounds().Play(Impact);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    audio.Music().SongFree(song);
}

}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const std::string output = (std::filesystem::temp_directory_path() /
                                ("zorvex-mix-" + std::to_string(getpid()) + ".raw"))
                                   .string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    try {
        PlayBusyRace(seconds);  // closing the device finishes the file
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_mix_headroom: %s\n", error.what());
        return 1;
    }
    std::ifstream in(output, std::ios::binary);
    long samples = 0, clipped = 0;
    int peak = 0;
    int16_t sample = 0;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) {
        ++samples;
        clipped += sample == 32767 || sample == -32768 ? 1 : 0;
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    std::filesystem::remove(output);
    std::printf("%ld samples (%.1f s stereo), %ld at full scale, peak %d (%.2f dBFS)\n", samples,
                samples / 2.0 / 44100, clipped, peak, 20 * std::log10(std::max(peak, 1) / 32768.0));
    return 0;
}
