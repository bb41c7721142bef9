#include "platform/sdl/RendererPresenter.h"

#include <array>
#include <string_view>

#include "platform/MemoryCanvas.h"

namespace platform::sdl {

namespace {

// The OpenGL driver's own name for itself; empty for a renderer without OpenGL.
std::string GlRendererName(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 ||
        std::string_view(info.name).find("opengl") != 0)
        return "";
    constexpr unsigned GlRenderer = 0x1F01;  // GL_RENDERER
    using GetString = const unsigned char* (*)(unsigned);
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(GlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : "";
}

bool IsSoftwareRasteriser(const std::string& glRenderer) {
    constexpr std::array<std::string_view, 3> Rasterisers = {"llvmpipe", "softpipe", "swrast"};
    for (std::string_view rasteriser : Rasterisers)
        if (glRenderer.find(rasteriser) != std::string::npos)
            return true;
    return false;
}

}  // namespace

std::unique_ptr<RendererPresenter> RendererPresenter::Create(SDL_Window* window,
                                                             bool acceptSoftwareRasteriser,
                                                             std::string& why) {
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer) {
        why = std::string("no accelerated renderer: ") + SDL_GetError();
        return nullptr;
    }
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    const std::string glRenderer = GlRendererName(renderer);
    std::string name = info.name;
    if (!glRenderer.empty())
        name += ", " + glRenderer;
    if (!acceptSoftwareRasteriser && IsSoftwareRasteriser(glRenderer)) {
        why = "OpenGL is a software rasteriser (" + glRenderer + ")";
        SDL_DestroyRenderer(renderer);
        return nullptr;
    }
    SDL_Texture* texture =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                          MemoryCanvas::Width, MemoryCanvas::Height);
    if (!texture) {
        why = std::string("no streaming texture: ") + SDL_GetError();
        SDL_DestroyRenderer(renderer);
        return nullptr;
    }
    // Full screen shows the canvas scaled and centred, with black bars where the aspect differs.
    SDL_RenderSetLogicalSize(renderer, MemoryCanvas::Width, MemoryCanvas::Height);
    return std::unique_ptr<RendererPresenter>(new RendererPresenter(renderer, texture, name));
}

RendererPresenter::RendererPresenter(SDL_Renderer* renderer, SDL_Texture* texture, std::string name)
    : renderer_(renderer), texture_(texture), name_(std::move(name)) {}

RendererPresenter::~RendererPresenter() {
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
}

void RendererPresenter::Show(SDL_Surface* frame, const std::vector<Rect>& changed) {
    for (const Rect& rect : changed) {
        const SDL_Rect area = {rect.Left, rect.Top, rect.Width(), rect.Height()};
        const auto* pixels = static_cast<const uint8_t*>(frame->pixels) +
                             static_cast<size_t>(rect.Top) * frame->pitch + rect.Left * 2;
        SDL_UpdateTexture(texture_, &area, pixels, frame->pitch);
    }
    // The back buffer holds nothing useful after a present: the whole texture is drawn again,
    // which the GPU does for next to nothing.
    Draw();
    SDL_RenderPresent(renderer_);
}

void RendererPresenter::Draw() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
}

std::vector<uint32_t> RendererPresenter::ReadShown() {
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    if (width != MemoryCanvas::Width || height != MemoryCanvas::Height)
        return {};
    // What the last present showed is the texture drawn once more.
    Draw();
    std::vector<uint32_t> pixels(MemoryCanvas::Width * MemoryCanvas::Height);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                         MemoryCanvas::Width * 4);
    return pixels;
}

std::string RendererPresenter::Description() const {
    return "an accelerated renderer (" + name_ + ")";
}

}  // namespace platform::sdl
