#pragma once
// The pairs of track cell codes that the race's own track generator puts next to each other, so
// that the track pictures can be checked and shown joint by joint.

#include <set>
#include <utility>

struct TrackNeighbourPairs {
    std::set<std::pair<int, int>> Beside;   // (left, right) along a row
    std::set<std::pair<int, int>> Stacked;  // (upper, lower) down a column
};

// Collected over the track length of every level and several seeds. Empty space is not drawn,
// so only pairs of two drawn pieces are kept.
TrackNeighbourPairs GeneratedTrackNeighbours();
