#include "platform/MemoryCanvas.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

namespace platform {

MemoryCanvas::MemoryCanvas() {
    pixels_ = SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 16, SDL_PIXELFORMAT_RGB565);
    if (!pixels_)
        throw std::runtime_error(std::string("Cannot make the surface: ") + SDL_GetError());
    renderer_ = SDL_CreateSoftwareRenderer(pixels_);
    if (!renderer_) {
        SDL_FreeSurface(pixels_);
        throw std::runtime_error(std::string("Cannot draw in memory: ") + SDL_GetError());
    }
    surface_ = std::make_unique<Surface>(renderer_, Width, Height);
}

MemoryCanvas::~MemoryCanvas() {
    surface_.reset();
    SDL_DestroyRenderer(renderer_);
    SDL_FreeSurface(pixels_);
}

const void* MemoryCanvas::Bytes() const {
    return pixels_->pixels;
}

int MemoryCanvas::Pitch() const {
    return pixels_->pitch;
}

}  // namespace platform
