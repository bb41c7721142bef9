#pragma once
// The layers of a track cell picture: the metal deck, the start/finish marking and the glowing
// walls. All take cell pixel coordinates (pixel centres at +0.5).

#include <vector>

#include "Colour.h"
#include "Geometry.h"
#include "PixelCanvas.h"
#include "TrackPieces.h"

namespace art::race {

// The deck plating at a point of a cell; it repeats every cell, so floor cells join seamlessly.
Rgba DeckColour(double x, double y);

// The deck with the chequered start/finish band painted on it.
Rgba FinishLineColour(double x, double y);

// Paints the lit wall of a piece over the cell: fully opaque on every pixel of its outlines and
// up to a pixel beyond (as far as the race's collision test reaches), with a soft edge less than
// a pixel wide further out. Overlapping outlines merge into one band. The partner's walls widen
// the lit area in the same way but are shaded as the rim of the piece's own wall. Where the wall
// swells round a corner block, the swelling has the band's rim along its edge and brightens
// towards the band, whose pale core runs on past it as one line.
void PaintLitWall(PixelCanvas& canvas, const TrackPiece& piece);

// Warm light that the lit walls cast on the deck beside them (0 = none).
double WallLightOnDeck(const TrackPiece& piece, Vec2 point);

}  // namespace art::race
