// The track image (race image 1): one 72 x 72 pattern per cell code 0..22. Floor where the ships
// fly, glowing walls over the collision shapes and on along the band wherever the wall runs,
// open space (transparent) outside, so the star field shows around the track.

#include "Patterns.h"
#include "RaceImages.h"
#include "TrackPaint.h"

namespace art::race {

namespace {

void PaintFloor(PixelCanvas& canvas, const TrackPiece& piece) {
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
            colour = Mix(colour, Hex(0xFF7A28), WallLightOnDeck(piece, centre));
            canvas.Set(x, y, WithAlpha(colour, coverage));
        }
}

void PaintPiece(cairo_t* context, int code) {
    PixelCanvas canvas(cairo_get_target(context));
    const TrackPiece piece = TrackPieceOf(code);
    PaintFloor(canvas, piece);
    PaintLitWall(canvas, piece);
}

}  // namespace

ImageRecord TrackTilesImage() {
    return StripRecord("track", TrackCell, TrackCell, TrackCodeCount, PaintPiece);
}

}  // namespace art::race
