#pragma once
// The 800 x 600 RGB565 picture in memory that every frame is drawn on, through SDL's software
// renderer and the shared Surface code. Both backends draw here, so the window shows exactly the
// pixels that the headless tests read back.

#include <memory>

#include "platform/Surface.h"

struct SDL_Surface;
struct SDL_Renderer;

namespace platform {

class MemoryCanvas {
public:
    static constexpr int Width = 800;
    static constexpr int Height = 600;

    MemoryCanvas();  // throws std::runtime_error when SDL cannot make it
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    Surface& Drawing() { return *surface_; }
    // The drawn pixels: RGB565, Width x Height, rows Pitch() bytes apart.
    SDL_Surface* Pixels() const { return pixels_; }
    const void* Bytes() const;
    int Pitch() const;

private:
    SDL_Surface* pixels_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    std::unique_ptr<Surface> surface_;
};

}  // namespace platform
