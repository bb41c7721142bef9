#pragma once
// Collision shapes of the track's wall pieces. A track cell is 72 x 72 pixels; each cell code that
// carries a solid wall has one quadrilateral, given in pixels from the cell's top-left corner
// (x to the right, y down, 0..71). Touching it destroys a ship. The track image draws its glowing
// barriers from this same table, so what looks like wall is wall.
//
// Corner order: corners 1 and 2 are where the wall enters the cell (the top edge, or the side
// edge for the pieces that start on a side), corners 3 and 4 where it leaves (the bottom edge, or
// a side). The pairs are not necessarily in outline order: the collision test accepts the corners
// in any order and tests their convex hull.

#include <array>
#include <cstddef>
#include <cstdint>

struct TWallCorner {
    int X;  // pixels from the cell's left edge
    int Y;  // pixels from the cell's top edge
};

struct TWallShape {
    uint8_t CellCode;  // the track cell code (and track image pattern) that carries this wall
    std::array<TWallCorner, 4> Corners;
};

// Indexed by wall kind - 1; kinds are numbered 1..13 in this order.
inline constexpr std::array<TWallShape, 13> WallShapes = {{
    {2, {{{19, 0}, {29, 0}, {20, 71}, {30, 71}}}},     // 1: left wall, straight
    {3, {{{42, 0}, {51, 0}, {42, 71}, {51, 71}}}},     // 2: right wall, straight
    {5, {{{3, 20}, {0, 35}, {19, 71}, {29, 71}}}},     // 3: left bend, left wall (row A)
    {6, {{{20, 0}, {29, 0}, {53, 71}, {64, 71}}}},     // 4: left bend, left wall (row B)
    {7, {{{65, 0}, {71, 0}, {65, 19}, {71, 19}}}},     // 5: left bend, corner block (row A)
    {8, {{{5, 0}, {14, 0}, {41, 71}, {51, 71}}}},      // 6: left bend, right wall (row A)
    {9, {{{40, 0}, {51, 0}, {71, 42}, {71, 63}}}},     // 7: left bend, right wall (row B)
    {11, {{{57, 0}, {67, 0}, {20, 71}, {30, 71}}}},    // 8: right bend, left wall (row A)
    {14, {{{20, 0}, {29, 0}, {0, 42}, {0, 63}}}},      // 9: right bend, left wall (row B)
    {15, {{{68, 20}, {71, 35}, {42, 71}, {52, 71}}}},  // 10: right bend, right wall (row A)
    {17, {{{42, 0}, {51, 0}, {7, 71}, {18, 71}}}},     // 11: right bend, right wall (row B)
    {18, {{{20, 0}, {29, 0}, {20, 71}, {29, 71}}}},    // 12: start/finish line, left end
    {22, {{{42, 0}, {52, 0}, {41, 71}, {51, 71}}}},    // 13: start/finish line, right end
}};

inline constexpr int NoWall = 0;

// The wall kind (1..13) of a cell code, or NoWall for floor, empty space and the pieces whose
// drawn wall is only decoration.
constexpr int WallKind(int cellCode) {
    for (size_t i = 0; i < WallShapes.size(); ++i)
        if (WallShapes[i].CellCode == cellCode)
            return static_cast<int>(i) + 1;
    return NoWall;
}

// The shape of a wall kind 1..13.
constexpr const TWallShape& WallShapeOf(int wallKind) {
    return WallShapes[wallKind - 1];
}
