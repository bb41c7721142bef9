#include "platform/web/BrowserStorage.h"

#include <emscripten/emscripten.h>

namespace platform::web {

void WriteBackSaveFolder() {
    EM_ASM({
        FS.syncfs(
            false, function(error) {
                if (error)
                    console.error("Zorvex: the saved files could not be stored: " + error);
            });
    });
}

}  // namespace platform::web
