#include "race/TrackWalls.h"

#include <cstddef>

#include "engine/Rounding.h"

TQuad WallQuad(int wallKind, double cellLeft, double cellTop) {
    const TWallShape& shape = WallShapeOf(wallKind);
    TQuad quad;
    for (size_t i = 0; i < quad.size(); ++i)
        quad[i] = {static_cast<double>(Trunc(cellLeft + shape.Corners[i].X)),
                   static_cast<double>(Trunc(cellTop + shape.Corners[i].Y))};
    return quad;
}
