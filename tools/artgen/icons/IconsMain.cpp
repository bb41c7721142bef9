// Draws the game's desktop icon, the round emblem of the about page, at the sizes desktops ask
// for, into an icon theme tree:
//     zorvex_icons <folder>   writes <folder>/hicolor/<n>x<n>/apps/zorvex.png
// Exit status 0 when every size was written.

#include <cairo.h>

#include <cstdio>
#include <filesystem>

#include "menu/Wordmark.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    for (const int size : {32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder =
            std::filesystem::path(argv[1]) / "hicolor" / name / "apps";
        std::filesystem::create_directories(folder);
        const art::Surface emblem = menu::DrawEmblem(size);
        const std::string file = (folder / "zorvex.png").string();
        if (cairo_surface_write_to_png(emblem.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
            std::fprintf(stderr, "zorvex_icons: cannot write %s\n", file.c_str());
            return 1;
        }
    }
    return 0;
}
