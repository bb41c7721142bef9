#pragma once
// The pairs of track cell codes that the race's own track generator puts next to each other, so
// that the track pictures can be checked and shown joint by joint.

#include <array>
#include <set>
#include <utility>

// A cell code of the map, or NoPiece where the map holds empty space (nothing is drawn).
inline constexpr int NoPiece = 255;

struct TrackNeighbourPairs {
    std::set<std::pair<int, int>> Beside;   // (left, right) along a row
    std::set<std::pair<int, int>> Stacked;  // (upper, lower) down a column
    // The four pieces round every point where cells meet in a bend, diagonal neighbours in both
    // directions included: upper left, upper right, lower left, lower right. The corner blocks
    // and the bend corners lie there.
    std::set<std::array<int, 4>> Corners;
};

// Collected over the track length of every level and several seeds. Empty space is not drawn,
// so only pairs of two drawn pieces are kept, and only corners with a bend's piece.
TrackNeighbourPairs GeneratedTrackNeighbours();
