#pragma once
// The 800 x 600 back surface that every frame is drawn on, and the pictures drawn onto it.
// Both backends draw through this code with SDL's software renderer over the same RGB565 canvas in
// memory (MemoryCanvas). Pictures become textures once, when they are made.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/PixelImage.h"
#include "platform/Rect.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

class Picture {
public:
    // opaque: no pixel of the picture is see-through.
    Picture(SDL_Texture* texture, int width, int height, bool opaque);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    SDL_Texture* Texture() const { return texture_; }
    bool Opaque() const { return opaque_; }

private:
    SDL_Texture* texture_;
    int width_;
    int height_;
    bool opaque_;
};

class Surface {
public:
    Surface(SDL_Renderer* renderer, int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rect ClientRect() const { return {0, 0, width_, height_}; }

    // Pixels with alpha 0 are never drawn; others blend by their alpha.
    std::unique_ptr<Picture> CreatePicture(const PixelImage& image);

    void Clear(uint32_t rgb);
    void FillRect(const Rect& rect, uint32_t rgb);

    // source is a rectangle of the picture. Every operation clips to the surface.
    void Copy(const Picture& picture, const Rect& source, int x, int y);
    // Scales source into dest with opacity alpha/255 (1..255).
    void CopyScaled(const Picture& picture, const Rect& source, const Rect& dest, int alpha);
    // Scales source to width x height, then rotates it clockwise by degrees about the pivot,
    // which lies at (pivotX, pivotY) pixels from the scaled picture's top-left; the pivot lands
    // on (x, y).
    void CopyRotated(const Picture& picture, const Rect& source, double x, double y, double width,
                     double height, double pivotX, double pivotY, double degrees);

    // Off, every drawing call above returns at once and the surface keeps its pixels: the world
    // server re-runs games this way, where nobody looks and only the rules count.
    void SetDrawing(bool on) { drawing_ = on; }
    bool Drawing() const { return drawing_; }

    // Reads back what has been drawn: 0xRRGGBB.
    uint32_t ReadPixel(int x, int y) const;
    PixelImage ReadAll() const;

private:
    SDL_Renderer* renderer_;
    int width_;
    int height_;
    bool drawing_ = true;
};

}  // namespace platform
