// Draws the three image lists and writes them into the folder given on the command line.

#include <cstdio>
#include <exception>
#include <string>

#include "ImageListWriter.h"
#include "menu/MenuList.h"
#include "race/RaceLists.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    try {
        WriteImageList(folder + "/Res1.dxg", BuildMenuList());
        WriteImageList(folder + "/Res2.dxg", BuildRaceList());
        WriteImageList(folder + "/Res3.dxg", BuildMiniMapList());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvex_artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
