#include "platform/Surface.h"

#include <SDL.h>

#include <algorithm>

#include <stdexcept>
#include <vector>

namespace platform {

namespace {
SDL_Rect ToSdl(const Rect& rect) {
    return {rect.Left, rect.Top, rect.Width(), rect.Height()};
}
}  // namespace

Picture::Picture(SDL_Texture* texture, int width, int height, bool opaque)
    : texture_(texture), width_(width), height_(height), opaque_(opaque) {}

Picture::~Picture() {
    SDL_DestroyTexture(texture_);
}

Surface::Surface(SDL_Renderer* renderer, int width, int height)
    : renderer_(renderer), width_(width), height_(height) {}

std::unique_ptr<Picture> Surface::CreatePicture(const PixelImage& image) {
    // A picture without see-through pixels is copied, not blended, and is kept in the canvas's
    // own format: drawing it is then a plain copy of rows, no conversion per pixel per frame.
    // That is what the large backgrounds drawn every frame are.
    const bool opaque = std::all_of(image.Argb.begin(), image.Argb.end(),
                                    [](uint32_t pixel) { return (pixel >> 24) == 0xFF; });
    const Uint32 format = opaque ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_ARGB8888;
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STATIC, image.Width, image.Height);
    if (!texture)
        throw std::runtime_error(std::string("Cannot create a texture: ") + SDL_GetError());
    if (opaque) {
        std::vector<uint16_t> pixels(image.Argb.size());
        SDL_ConvertPixels(image.Width, image.Height, SDL_PIXELFORMAT_ARGB8888, image.Argb.data(),
                          image.Width * 4, format, pixels.data(), image.Width * 2);
        SDL_UpdateTexture(texture, nullptr, pixels.data(), image.Width * 2);
    } else {
        SDL_UpdateTexture(texture, nullptr, image.Argb.data(), image.Width * 4);
    }
    SDL_SetTextureBlendMode(texture, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    return std::make_unique<Picture>(texture, image.Width, image.Height, opaque);
}

void Surface::Clear(uint32_t rgb) {
    FillRect(ClientRect(), rgb);
}

void Surface::FillRect(const Rect& rect, uint32_t rgb) {
    if (!drawing_)
        return;
    SDL_SetRenderDrawColor(renderer_, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF, 0xFF);
    const SDL_Rect area = ToSdl(rect);
    SDL_RenderFillRect(renderer_, &area);
}

void Surface::Copy(const Picture& picture, const Rect& source, int x, int y) {
    if (!drawing_)
        return;
    const SDL_Rect from = ToSdl(source);
    const SDL_Rect to = {x, y, source.Width(), source.Height()};
    SDL_SetTextureAlphaMod(picture.Texture(), 255);
    SDL_RenderCopy(renderer_, picture.Texture(), &from, &to);
}

void Surface::CopyScaled(const Picture& picture, const Rect& source, const Rect& dest, int alpha) {
    if (!drawing_)
        return;
    const SDL_Rect from = ToSdl(source);
    const SDL_Rect to = ToSdl(dest);
    // A fade blends even an opaque picture.
    const bool fading = alpha < 255;
    if (fading && picture.Opaque())
        SDL_SetTextureBlendMode(picture.Texture(), SDL_BLENDMODE_BLEND);
    SDL_SetTextureAlphaMod(picture.Texture(), static_cast<Uint8>(alpha));
    SDL_RenderCopy(renderer_, picture.Texture(), &from, &to);
    SDL_SetTextureAlphaMod(picture.Texture(), 255);
    if (fading && picture.Opaque())
        SDL_SetTextureBlendMode(picture.Texture(), SDL_BLENDMODE_NONE);
}

void Surface::CopyRotated(const Picture& picture, const Rect& source, double x, double y,
                          double width, double height, double pivotX, double pivotY,
                          double degrees) {
    if (!drawing_)
        return;
    const SDL_Rect from = ToSdl(source);
    const SDL_FRect to = {static_cast<float>(x - pivotX), static_cast<float>(y - pivotY),
                          static_cast<float>(width), static_cast<float>(height)};
    const SDL_FPoint pivot = {static_cast<float>(pivotX), static_cast<float>(pivotY)};
    SDL_SetTextureAlphaMod(picture.Texture(), 255);
    SDL_RenderCopyExF(renderer_, picture.Texture(), &from, &to, degrees, &pivot, SDL_FLIP_NONE);
}

uint32_t Surface::ReadPixel(int x, int y) const {
    uint32_t pixel = 0;
    const SDL_Rect one = {x, y, 1, 1};
    SDL_RenderReadPixels(renderer_, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
    return pixel & 0xFFFFFF;
}

PixelImage Surface::ReadAll() const {
    PixelImage image{width_, height_, std::vector<uint32_t>(static_cast<size_t>(width_) * height_)};
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, image.Argb.data(),
                         width_ * 4);
    for (uint32_t& pixel : image.Argb)
        pixel |= 0xFF000000;
    return image;
}

}  // namespace platform
