#pragma once
// The layers of a track cell picture: the metal deck, the start/finish marking, the glowing
// walls, and the unlit steel joints and plates. All take cell pixel coordinates (pixel centres
// at +0.5).

// The wall table lives with the race code; the art generator reads it from there.
#include "race/WallShapes.h"
#include "Colour.h"
#include "Geometry.h"
#include "PixelCanvas.h"
#include "TrackPieces.h"

namespace art::race {

// The deck plating at a point of a cell; it repeats every cell, so floor cells join seamlessly.
Rgba DeckColour(double x, double y);

// The deck with the chequered start/finish band painted on it.
Rgba FinishLineColour(double x, double y);

// Paints the lit wall over the cell: fully opaque on every pixel that a ship touching it would
// collide in, with a soft edge less than a pixel wide beyond.
void PaintLitWall(PixelCanvas& canvas, const TWallShape& wall);

// Warm light that the lit walls cast on the deck beside them (0 = none).
double WallLightOnDeck(const TWallShape& wall, Vec2 point);

// The unlit steel joint of a bend corner, over the band between its two edges.
void PaintSteelJoint(PixelCanvas& canvas, const SteelJoint& joint);

// A flat steel plate on the floor; its edges inside the cell get a dark rim, its edges on the
// cell's border none, so a plate runs on into the next cell without a seam.
void PaintSteelPlate(PixelCanvas& canvas, const Polygon& plate);

}  // namespace art::race
