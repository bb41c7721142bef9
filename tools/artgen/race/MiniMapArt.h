#pragma once
// Builders of the mini-map pictures (image list 3), drawn over the instrument panel's map window.

#include "ImageListWriter.h"

namespace art::race {

constexpr int MapColumnWidth = 7;  // pixels a track column takes on the map

// The road pieces, one per row type (and the second pieces of the bend rows).
enum class MapPiece {
    RightBendA,
    RightBendASecond,
    RightBendB,
    RightBendBSecond,
    Straight,
    FinishLine,
    LeftBendASecond,
    LeftBendA,
    LeftBendBSecond,
    LeftBendB,
};

ImageRecord MapPieceImage(MapPiece piece);
ImageRecord OpponentMarkerImage();
ImageRecord PlayerMarkerImage();
// The pieces of the panel that cover the map rows scrolling out of its window.
ImageRecord MapFrameImage(bool top);
ImageRecord TurnWarningImage(bool left);
ImageRecord FarShipArrowImage(bool ahead);

}  // namespace art::race
