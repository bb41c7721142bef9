// Zorvex: the program entry. Opens the window, starts the game and runs it until it ends.

#include <chrono>
#include <cstdio>
#include <exception>

#include "app/MessageLoop.h"
#include "app/Zorvex_unit.h"
#include "platform/sdl/SdlBackend.h"

int main() {
    try {
        auto backend = platform::CreateSdlBackend();
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
