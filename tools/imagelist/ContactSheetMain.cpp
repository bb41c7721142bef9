// zorvex_contactsheet <sheet.png> <file.dxg>...: draws every image of the list files on one sheet.

#include <cstdio>
#include <exception>

#include "ContactSheet.h"
#include "ListFile.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <sheet.png> <image list file>...\n", argv[0]);
        return 2;
    }
    try {
        std::vector<ListedFile> lists;
        for (int file = 2; file < argc; ++file)
            lists.push_back({argv[file], LoadImageListFile(argv[file])});
        WriteContactSheet(lists, argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_contactsheet: %s\n", error.what());
        return 1;
    }
    return 0;
}
