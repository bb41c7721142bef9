// Takes the pictures the documentation shows from the headless game, beside the ones the
// screenshots script takes from the real window. Run from the build folder, where Data/ lives:
//     zorvex-screenshots <folder>
// Exit status 0 when every picture was saved.

#include <cstdio>
#include <filesystem>

#include "Pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    struct Picture {
        const char* Name;
        bool (*Save)(const std::filesystem::path&);
    };
    const Picture pictures[] = {{"text styles", SaveTextStylesPicture},
                                {"drawing layer", SaveDrawingLayerPicture},
                                {"race view", SaveRaceViewPictures},
                                {"race captions", SaveRaceCaptionPictures},
                                {"high scores after a game", SaveHighScoresAfterAGamePicture},
                                {"crowded race", SaveCrowdedRacePictures},
                                {"one level", SaveLevelSeriesPictures}};
    int failed = 0;
    for (const Picture& picture : pictures) {
        const bool saved = picture.Save(folder);
        std::printf("%s: %s\n", picture.Name, saved ? "saved" : "FAILED");
        failed += !saved;
    }
    return failed == 0 ? 0 : 1;
}
