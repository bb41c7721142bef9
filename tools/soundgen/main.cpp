// Synthesises the sound list and composes the two music modules into the data folder given on
// the command line: <folder>/Res/Sounds.dxw, <folder>/Music/Menu.xm and <folder>/Music/Race.xm.

#include <cstdio>
#include <exception>
#include <string>

#include "SoundListWriter.h"
#include "effects/SoundCatalog.h"
#include "music/Songs.h"
#include "xm/XmWriter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    try {
        WriteSoundList(folder + "/Res/Sounds.dxw", effects::BuildSoundList());
        xm::WriteModule(folder + "/Music/Menu.xm", music::ComposeMenuSong());
        xm::WriteModule(folder + "/Music/Race.xm", music::ComposeRaceSong());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_soundgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
