#include "platform/PixelImage.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>

namespace platform {

namespace {
struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;
}  // namespace

bool DecodePng(std::span<const uint8_t> png, PixelImage& image, std::string& error) {
    SDL_RWops* stream = SDL_RWFromConstMem(png.data(), static_cast<int>(png.size()));
    if (!stream) {
        error = SDL_GetError();
        return false;
    }
    SurfacePtr decoded(IMG_LoadTyped_RW(stream, 1, "PNG"));
    if (!decoded) {
        error = std::string("A picture cannot be decoded: ") + IMG_GetError();
        return false;
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        error = SDL_GetError();
        return false;
    }
    image.Width = argb->w;
    image.Height = argb->h;
    image.Argb.resize(static_cast<size_t>(argb->w) * argb->h);
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(
            static_cast<const uint8_t*>(argb->pixels) + static_cast<size_t>(y) * argb->pitch);
        std::copy(row, row + argb->w, image.Argb.begin() + static_cast<size_t>(y) * argb->w);
    }
    return true;
}

bool SavePng(const PixelImage& image, const std::string& path) {
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(image.Argb.data()), image.Width, image.Height, 32, image.Width * 4,
        SDL_PIXELFORMAT_ARGB8888));
    return surface && IMG_SavePNG(surface.get(), path.c_str()) == 0;
}

}  // namespace platform
