#include "race/StarField.h"

namespace {
constexpr int RaceImageList = 2;
constexpr int StarFieldImage = 58;
constexpr int32_t StarFieldZ = 1;
}  // namespace

TBackgroundSprite* CreateStarField(TGameServices& services) {
    auto* stars = NewSprite<TBackgroundSprite>(&services.Root);
    stars->SetMapSize(1, 1);
    stars->SetImageItem(&services.List(RaceImageList).Items(StarFieldImage));
    stars->WrapAround = true;
    stars->X = stars->Y = 0;
    stars->SetZ(StarFieldZ);
    return stars;
}
