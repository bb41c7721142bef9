#include "platform/headless/HeadlessBackend.h"

#include <SDL.h>

#include <stdexcept>

namespace platform {

HeadlessDisplay::HeadlessDisplay() {
    pixels_ = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
    if (!pixels_)
        throw std::runtime_error(std::string("Cannot make the surface: ") + SDL_GetError());
    renderer_ = SDL_CreateSoftwareRenderer(pixels_);
    if (!renderer_)
        throw std::runtime_error(std::string("Cannot draw in memory: ") + SDL_GetError());
    surface_ = std::make_unique<Surface>(renderer_, 800, 600);
}

HeadlessDisplay::~HeadlessDisplay() {
    surface_.reset();
    SDL_DestroyRenderer(renderer_);
    SDL_FreeSurface(pixels_);
}

bool HeadlessDisplay::GetPlacement(WindowPlacement& placement) const {
    placement = placement_;
    return true;
}

void HeadlessDisplay::ShowError(const std::string& title, const std::string& text) {
    errors_.push_back(title + ": " + text);
}

bool HeadlessBackend::PollEvent(InputEvent& event) {
    if (events_.empty())
        return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

}  // namespace platform
