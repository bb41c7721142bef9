#include "TrackPieces.h"

namespace art::race {

namespace {

constexpr double C = TrackCell;

// Floor edges under a lit wall run inside the wall's band, so the wall covers them, and meet the
// floor edges of the neighbouring cells where the band crosses a cell edge; the outer part of the
// wall lies over open space.
TrackPiece Floor(Polygon floor) {
    return {std::move(floor), std::nullopt, false, {}};
}

// The corner pieces of the bends carry a stretch of wall band that does not collide. Their floor
// is the small triangle between the floor-side edge (a, b) and the cell's corner; the band between
// that edge and the outer edge (outerA, outerB) is an unlit steel joint, as harmless as it looks.
TrackPiece Corner(Vec2 a, Vec2 b, Vec2 corner, Vec2 outerA, Vec2 outerB) {
    return {{a, b, corner}, SteelJoint{{a, b}, {outerA, outerB}}, false, {}};
}

}  // namespace

TrackPiece TrackPieceOf(int code) {
    const Polygon full = {{0, 0}, {C, 0}, {C, C}, {0, C}};
    switch (code) {
        case 1:
        case 12:  // the mirror of 7, but without the corner block: plain floor
            return Floor(full);
        case 2:
            return Floor({{24, 0}, {C, 0}, {C, C}, {25, C}});
        case 3:
            return Floor({{0, 0}, {46.5, 0}, {46.5, C}, {0, C}});
        case 4:
            return Corner({64, 0}, {C, 20}, {C, 0}, {53, 0}, {C, 35});
        case 5: {  // the lit wall starts on a slant; a plate meets the steel joint of code 4
            TrackPiece piece = Floor({{0, 0}, {C, 0}, {C, C}, {24, C}, {0, 20}});
            piece.SteelPlates = {{{0, 20}, {3, 20}, {0, 35}}};
            return piece;
        }
        case 6:
            return Floor({{24.5, 0}, {C, 0}, {C, C}, {64, C}});
        case 7: {  // floor; its corner block is a lit wall of its own
            TrackPiece piece = Floor(full);
            piece.SteelPlates = {{{60, 0}, {C, 0}, {C, 24}, {60, 24}}};
            return piece;
        }
        case 8: {
            TrackPiece piece = Floor({{0, 0}, {5, 0}, {46, C}, {0, C}});
            piece.SteelPlates = {{{0, 0}, {9, 0}, {18, 24}, {0, 24}}};
            return piece;
        }
        case 9:
            return Floor({{0, 0}, {45.5, 0}, {C, 63}, {C, C}, {0, C}});
        case 10: {
            TrackPiece piece = Corner({5, C}, {0, 63}, {0, C}, {14, C}, {0, 42});
            piece.SteelPlates = {piece.Floor};
            return piece;
        }
        case 11:
            return Floor({{67, 0}, {C, 0}, {C, C}, {25, C}});
        case 13:
            return Corner({C, 63}, {67, C}, {C, C}, {C, 42}, {57, C});
        case 14:
            return Floor({{24.5, 0}, {C, 0}, {C, C}, {0, C}, {0, 63}});
        case 15: {  // the mirror of code 5, meeting the steel joint of code 16
            TrackPiece piece = Floor({{0, 0}, {C, 0}, {C, 20}, {47, C}, {0, C}});
            piece.SteelPlates = {{{C - 3, 20}, {C, 20}, {C, 35}}};
            return piece;
        }
        case 16:
            return Corner({0, 20}, {7, 0}, {0, 0}, {0, 35}, {18, 0});
        case 17:
            return Floor({{0, 0}, {46.5, 0}, {7, C}, {0, C}});
        case 18:
            return {{{24.5, 0}, {C, 0}, {C, C}, {24.5, C}}, std::nullopt, true, {}};
        case 19:
        case 20:
        case 21:
            return {full, std::nullopt, true, {}};
        case 22:
            return {{{0, 0}, {47, 0}, {46, C}, {0, C}}, std::nullopt, true, {}};
        default:  // pattern 0 is never placed on the map
            return {};
    }
}

}  // namespace art::race
