// Records the scripted game into the file named on the command line: the fixture that every build
// must re-run to the same result. Run from the build folder (it needs Data/).

#include <cstdio>
#include <fstream>

#include "ScriptedGame.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: zorvex_record_fixture FILE\n");
        return 2;
    }
    GameHarness game;
    if (!game.StartedUp())
        return 1;
    const TScriptedGame played = PlayScriptedGame(game, 1500);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(played.ReplayFile.data(), static_cast<std::streamsize>(played.ReplayFile.size()));
    return out ? 0 : 1;
}
