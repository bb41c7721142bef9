#include "app/RequiredAssets.h"

#include <algorithm>
#include <initializer_list>

#include "engine/FileOpenError.h"

namespace {

struct TListContents {
    int Count;                          // images 0..Count-1 must exist
    std::initializer_list<int> Unused;  // placeholders the game never draws
};

// List 1 menus and dialogs, list 2 race, list 3 mini-map.
constexpr TListContents ListContents[3] = {
    {63, {23, 36, 44, 45, 46, 47, 48, 49}},
    {66, {0, 10, 19, 20, 21, 22, 38, 39, 40, 41, 42}},
    {18, {}},
};

}  // namespace

std::string ImageListPath(int list) {
    return "Data/Res/Res" + std::to_string(list) + ".dxg";
}

void CheckRequiredImages(const std::array<TImageList, 3>& lists) {
    for (int list = 1; list <= 3; ++list) {
        const TImageList& images = lists[list - 1];
        const TListContents& contents = ListContents[list - 1];
        if (images.Count() < contents.Count)
            throw EFileOpenError(ImageListPath(list), "It holds " + std::to_string(images.Count()) +
                                                          " images, the game needs " +
                                                          std::to_string(contents.Count) + ".");
        for (int index = 0; index < contents.Count; ++index) {
            if (std::find(contents.Unused.begin(), contents.Unused.end(), index) !=
                contents.Unused.end())
                continue;
            const TImageItem& item = images.Items(index);
            if (item.PatternWidth() <= 0 || item.PatternHeight() <= 0 || item.PatternCount() <= 0)
                throw EFileOpenError(ImageListPath(list),
                                     "Image " + std::to_string(index) + " has no pattern.");
        }
    }
}

void CheckRequiredSounds(const TSoundList& sounds) {
    constexpr int SoundsPlayed = 27;
    if (sounds.Count() < SoundsPlayed)
        throw EFileOpenError(SoundListPath, "It holds " + std::to_string(sounds.Count()) +
                                                " sounds, the game needs " +
                                                std::to_string(SoundsPlayed) + ".");
}
