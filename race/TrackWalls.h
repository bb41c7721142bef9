#pragma once
// The collision quadrilateral of a wall piece placed on the screen or in the world.

#include "engine/QuadTest.h"
#include "race/WallShapes.h"

// The corners of wall kind 1..13 in a cell whose top-left corner is at (cellLeft, cellTop),
// each coordinate truncated toward zero to whole pixels.
TQuad WallQuad(int wallKind, double cellLeft, double cellTop);
