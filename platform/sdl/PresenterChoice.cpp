#include "platform/sdl/PresenterChoice.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/sdl/RendererPresenter.h"
#include "platform/sdl/WindowSurfacePresenter.h"

namespace platform::sdl {

namespace {

bool HasRenderNode() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error))
        if (entry.path().filename().string().starts_with("renderD"))
            return true;
    return false;
}

}  // namespace

std::unique_ptr<FramePresenter> ChoosePresenter(SDL_Window* window) {
    const char* forced = std::getenv("ZORVEX_PRESENT");
    const std::string force = forced ? forced : "";
    std::string why;
    std::unique_ptr<FramePresenter> presenter;
    if (force == "surface") {
        why = "ZORVEX_PRESENT=surface";
    } else if (force != "gpu" && !HasRenderNode()) {
        why = "no GPU render node";
    } else {
        presenter = RendererPresenter::Create(window, force == "gpu", why);
        if (presenter)
            why = force == "gpu" ? "ZORVEX_PRESENT=gpu" : "a GPU";
    }
    if (!presenter)
        presenter = std::make_unique<WindowSurfacePresenter>(window);
    std::fprintf(stderr, "Zorvex: presenting through %s: %s\n", presenter->Description().c_str(),
                 why.c_str());
    return presenter;
}

}  // namespace platform::sdl
