// The track image (race image 1): one 72 x 72 pattern per cell code 0..22. Floor where the ships
// fly, glowing walls exactly over the collision shapes, open space (transparent) outside, so
// the star field shows around the track.

#include "Patterns.h"
#include "RaceImages.h"
#include "TrackPaint.h"

namespace art::race {

namespace {

void PaintFloor(PixelCanvas& canvas, const TrackPiece& piece, const TWallShape* wall) {
    if (piece.Floor.empty())
        return;
    const Polygon floorHull = ConvexHull(piece.Floor);
    for (int y = 0; y < TrackCell; ++y)
        for (int x = 0; x < TrackCell; ++x) {
            const double coverage = PixelCoverage(floorHull, x, y);
            if (coverage <= 0)
                continue;
            const Vec2 centre{x + 0.5, y + 0.5};
            Rgba colour = piece.FinishLine ? FinishLineColour(centre.X, centre.Y)
                                           : DeckColour(centre.X, centre.Y);
            if (wall)
                colour = Mix(colour, Hex(0xFF7A28), WallLightOnDeck(*wall, centre));
            canvas.Set(x, y, WithAlpha(colour, coverage));
        }
}

void PaintPiece(cairo_t* context, int code) {
    PixelCanvas canvas(cairo_get_target(context));
    const TrackPiece piece = TrackPieceOf(code);
    const int wallKind = WallKind(code);
    const TWallShape* wall = wallKind == NoWall ? nullptr : &WallShapeOf(wallKind);
    PaintFloor(canvas, piece, wall);
    for (const Polygon& plate : piece.SteelPlates)
        PaintSteelPlate(canvas, plate);
    if (piece.Joint)
        PaintSteelJoint(canvas, *piece.Joint);
    if (wall)
        PaintLitWall(canvas, *wall);
}

}  // namespace

ImageRecord TrackTilesImage() {
    return StripRecord("track", TrackCell, TrackCell, TrackCodeCount, PaintPiece);
}

}  // namespace art::race
