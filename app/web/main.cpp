// Zorvex in a browser: the program entry of the browser build. The same form and loop as the
// desktop's, one pass per animation frame.
//
// A page has no exit: a tab is closed or reloaded without the game's shutdown, which is when the
// desktop saves. So the browser saves as the game comes back to the main menu (from the options,
// the high scores or a game) and writes the save folder back to the browser's storage each time.

#include <chrono>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/MessageLoop.h"
#include "app/Zorvex_unit.h"
#include "platform/sdl/SdlBackend.h"
#include "platform/web/AnimationFrames.h"
#include "platform/web/BrowserStorage.h"

namespace {

struct Session {
    std::unique_ptr<platform::Backend> Backend;
    std::unique_ptr<TMForm> Form;
    TScreenKind LastScreen = skNone;

    bool Pass() {
        const bool running = RunMessagePass(*Form, *Backend);
        const TScreenKind screen = Form->ScreenKind;
        if (running && screen == skMainMenu && LastScreen != skMainMenu && LastScreen != skNone) {
            if (Form->Saved.SaveAll())
                platform::web::WriteBackSaveFolder();
            else
                std::fprintf(stderr, "Zorvex: %s\n", Form->Saved.SaveFailure().c_str());
        }
        LastScreen = screen;
        if (!running)
            platform::web::WriteBackSaveFolder();  // the form saved as it ended
        return running;
    }
};

}  // namespace

int main() {
    try {
        auto session = std::make_shared<Session>();
        session->Backend = platform::CreateSdlBackend();
        const auto seed =
            static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        session->Form = std::make_unique<TMForm>(*session->Backend, seed);
        if (!session->Form->FormCreate())
            return 1;
        session->LastScreen = session->Form->ScreenKind;
        platform::web::RunEachAnimationFrame([session] { return session->Pass(); });
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Zorvex: %s\n", error.what());
        return 1;
    }
    return 0;
}
