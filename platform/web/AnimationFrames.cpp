#include "platform/web/AnimationFrames.h"

#include <emscripten/emscripten.h>

#include <utility>

namespace platform::web {

namespace {

std::function<bool()>& CurrentPass() {
    static std::function<bool()> pass;
    return pass;
}

void Step() {
    if (CurrentPass()())
        return;
    emscripten_cancel_main_loop();
    CurrentPass() = nullptr;
}

}  // namespace

void RunEachAnimationFrame(std::function<bool()> pass) {
    CurrentPass() = std::move(pass);
    // 0 frames per second: the browser's requestAnimationFrame paces the calls. 1: main's stack is
    // left behind here, so everything the pass uses must live in the pass.
    emscripten_set_main_loop(Step, 0, 1);
}

}  // namespace platform::web
