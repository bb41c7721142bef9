// The mini-map's road pieces (mini-map images 0..9). Each row of the map shows one piece for the
// whole road cross-section of its track row, drawn 18 pixels tall at that row's first piece
// column; the road's centre sits at 8 + g pixels into the picture, where g is the centring
// constant the map uses for that piece, so the road stays on the map's centre line. Bend pieces
// lean 2.5 pixels per row the way the road turns. The second pieces of the bend rows are drawn
// 7 pixels to the right of the first, over the same road, so they are left empty.

#include <stdexcept>

#include "MiniMapArt.h"
#include "Patterns.h"

namespace art::race {

namespace {

constexpr int PieceHeight = 18;
constexpr double RoadHalfWidth = 10;  // pixels, walls included
constexpr double Lean = 1.25;         // pixels the road's centre moves from mid-row to a row edge

struct PieceLook {
    int Width;
    double Centre;  // road centre at mid-height, pixels from the picture's left
    double Turn;    // +1 the road bends right going up the map, -1 left, 0 straight
    bool FinishLine;
};

void PaintRoad(cairo_t* context, const PieceLook& look) {
    auto centreAt = [&](double y) {
        return look.Centre + look.Turn * Lean * (PieceHeight / 2.0 - y) / (PieceHeight / 2.0);
    };
    auto band = [&](double from, double to) {
        cairo_move_to(context, centreAt(0) + from, 0);
        cairo_line_to(context, centreAt(0) + to, 0);
        cairo_line_to(context, centreAt(PieceHeight) + to, PieceHeight);
        cairo_line_to(context, centreAt(PieceHeight) + from, PieceHeight);
        cairo_close_path(context);
    };
    // Walls in the barrier's orange, the deck in light steel so it reads on the dark glass.
    band(-RoadHalfWidth, RoadHalfWidth);
    SetColour(context, 0xFF8A2A);
    cairo_fill(context);
    band(-RoadHalfWidth + 2, RoadHalfWidth - 2);
    SetColour(context, 0x6A707A);
    cairo_fill(context);
    if (look.FinishLine) {
        // A chequered band of 2-pixel squares across the road.
        cairo_save(context);
        band(-RoadHalfWidth + 2, RoadHalfWidth - 2);
        cairo_clip(context);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 10; ++column) {
                cairo_rectangle(context, look.Centre - RoadHalfWidth + 2 + column * 2, 7 + row * 2,
                                2, 2);
                SetColour(context, (row + column) % 2 == 0 ? 0xF0F0EA : 0x16161A);
                cairo_fill(context);
            }
        cairo_restore(context);
    }
}

ImageRecord RoadPiece(const char* name, const PieceLook& look) {
    return StripRecord(name, look.Width, PieceHeight, 1,
                       [&](cairo_t* context, int) { PaintRoad(context, look); });
}

ImageRecord EmptyPiece(const char* name) {
    return StripRecord(name, MapColumnWidth, PieceHeight, 1, [](cairo_t*, int) {});
}

}  // namespace

ImageRecord MapPieceImage(MapPiece piece) {
    switch (piece) {
        case MapPiece::RightBendA:
            return RoadPiece("map right bend A", {28, 17, +1, false});
        case MapPiece::RightBendB:
            return RoadPiece("map right bend B", {31, 20, +1, false});
        case MapPiece::Straight:
            return RoadPiece("map straight", {24, 12, 0, false});
        case MapPiece::FinishLine:
            return RoadPiece("map start/finish line", {24, 12, 0, true});
        case MapPiece::LeftBendA:
            return RoadPiece("map left bend A", {26, 15, -1, false});
        case MapPiece::LeftBendB:
            return RoadPiece("map left bend B", {22, 11, -1, false});
        case MapPiece::RightBendASecond:
            return EmptyPiece("map right bend A, second");
        case MapPiece::RightBendBSecond:
            return EmptyPiece("map right bend B, second");
        case MapPiece::LeftBendASecond:
            return EmptyPiece("map left bend A, second");
        case MapPiece::LeftBendBSecond:
            return EmptyPiece("map left bend B, second");
    }
    throw std::invalid_argument("no such map piece");
}

}  // namespace art::race
