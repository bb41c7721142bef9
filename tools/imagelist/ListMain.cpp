// zorvex_imagelist <file.dxg>...: prints every image of each list file.

#include <cstdio>
#include <exception>

#include "ImageListing.h"
#include "ListFile.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <image list file>...\n", argv[0]);
        return 2;
    }
    int status = 0;
    for (int file = 1; file < argc; ++file) {
        try {
            std::fputs(FormatImageListing(argv[file], LoadImageListFile(argv[file])).c_str(),
                       stdout);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "zorvex_imagelist: %s\n", error.what());
            status = 1;
        }
    }
    return status;
}
