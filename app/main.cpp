// Zorvex: the program entry. Opens the window, starts the game and runs it until it ends; with
// --replay FILE, shows a recorded game instead.

#include <chrono>
#include <cstdio>
#include <exception>
#include <string_view>

#include "app/MessageLoop.h"
#include "app/ReplayViewer.h"
#include "app/Zorvex_unit.h"
#include "platform/sdl/SdlBackend.h"

int main(int argc, char** argv) {
    const bool replay = argc == 3 && std::string_view(argv[1]) == "--replay";
    if (argc > 1 && !replay) {
        std::fprintf(stderr, "Usage: zorvex [--replay FILE]\n");
        return 2;
    }
    try {
        auto backend = platform::CreateSdlBackend();
        if (replay)
            return WatchReplay(*backend, argv[2]);
        const auto seed =
            static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        TMForm form(*backend, seed);
        if (!form.FormCreate())
            return 1;
        RunMessageLoop(form, *backend);
        return form.ExitCode();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Zorvex: %s\n", error.what());
        return 1;
    }
}
