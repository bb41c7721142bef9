#pragma once
// The fonts of the game: starts the font renderer, opens each (family, size, weight) once on first
// use and keeps it until the library goes. A family that is not installed is drawn in the fallback
// family instead, so text is never lost to a missing face.

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/Font.h"
#include "platform/FontFinder.h"

namespace platform {

class FontLibrary {
public:
    static constexpr const char* FallbackFamily = "DejaVu Sans";

    // Throws std::runtime_error when the font renderer or fontconfig cannot start, or the fallback
    // family is not installed: without it a missing face would leave text undrawn.
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // family at points (96 dpi), bold or regular. The font's Family() tells which family it really
    // is: the one asked for, or FallbackFamily when that is not installed or its file does not
    // open. The reference stays valid as long as the library.
    const Font& Get(const std::string& family, int points, bool bold);

private:
    // TTF_Init on construction, TTF_Quit on destruction. Declared first so that it outlives every
    // open font.
    struct Renderer {
        Renderer();
        ~Renderer();
        Renderer(const Renderer&) = delete;
        Renderer& operator=(const Renderer&) = delete;
    };

    Renderer renderer_;
    FontFinder finder_;
    FontFile fallbackRegular_;
    FontFile fallbackBold_;  // the regular file, emboldened, when no bold face is installed
    std::map<std::tuple<std::string, int, bool>, std::unique_ptr<Font>> fonts_;
};

}  // namespace platform
