#include "platform/web/TabLock.h"

#include <emscripten/emscripten.h>

namespace platform::web {

bool ThisTabHoldsSaveFolder() {
    return EM_ASM_INT({ return Module["zorvexTabHeld"] ? 1 : 0; }) != 0;
}

}  // namespace platform::web
