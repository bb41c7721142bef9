#pragma once
// What game sprites and screens need from the main form's components, in one place: the sprite
// tree's root, the image lists, the frame timing and the random generator. The form owns all of
// them and fills this in once; the game's objects keep a reference.

#include <array>

#include "engine/FrameTiming.h"
#include "engine/ImageList.h"
#include "engine/Random.h"
#include "engine/SpriteEngine.h"

struct TGameServices {
    TSpriteEngine& Root;
    std::array<TImageList, 3>& ImageLists;  // lists 1..3 at 0..2
    const TFrameTiming& Timing;
    TRandom& Random;

    // Image list n (1..3).
    const TImageList& List(int n) const { return ImageLists.at(static_cast<size_t>(n - 1)); }
};
