#pragma once
// With a GPU: an accelerated SDL renderer with vsync, and a streaming RGB565 texture of the canvas
// updated only in the changed rectangles. The renderer scales it to the window with its aspect
// kept (black bars in full screen).

#include <memory>

#include "platform/sdl/FramePresenter.h"

namespace platform::sdl {

class RendererPresenter final : public FramePresenter {
public:
    // nullptr when the window gets no accelerated renderer, or when its OpenGL is a software
    // rasteriser (llvmpipe, softpipe, swrast) and acceptSoftwareRasteriser is false; why then
    // says what was found.
    static std::unique_ptr<RendererPresenter> Create(SDL_Window* window,
                                                     bool acceptSoftwareRasteriser,
                                                     std::string& why);
    ~RendererPresenter() override;
    RendererPresenter(const RendererPresenter&) = delete;
    RendererPresenter& operator=(const RendererPresenter&) = delete;

    void Show(SDL_Surface* frame, const std::vector<Rect>& changed) override;
    std::vector<uint32_t> ReadShown() override;
    std::string Description() const override;

private:
    RendererPresenter(SDL_Renderer* renderer, SDL_Texture* texture, std::string name);
    void Draw();

    SDL_Renderer* renderer_;
    SDL_Texture* texture_;
    std::string name_;  // the renderer's driver and its GL_RENDERER string
};

}  // namespace platform::sdl
