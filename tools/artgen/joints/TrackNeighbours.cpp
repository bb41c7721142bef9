#include "TrackNeighbours.h"

#include <algorithm>

#include "engine/Random.h"
#include "race/LevelTables.h"
#include "race/TrackGenerator.h"

namespace {

constexpr uint32_t SeedsPerLevel = 6;

// Cell codes 4..17 belong to the bends.
bool InBend(int code) {
    return code >= 4 && code <= 17;
}

}  // namespace

TrackNeighbourPairs GeneratedTrackNeighbours() {
    TrackNeighbourPairs found;
    TTrackMap map;
    for (int32_t level = 1; level <= LevelCount; ++level)
        for (uint32_t seed = 1; seed <= SeedsPerLevel; ++seed) {
            TRandom random(seed * 7919 + static_cast<uint32_t>(level));
            const int32_t length = TrackLengthOf(level);
            TTrackGenerator(map, random).Generate(length);
            for (int32_t row = TTrackMap::Rows - length; row < TTrackMap::Rows; ++row)
                for (int32_t column = 1; column <= TTrackMap::Columns; ++column) {
                    const uint8_t code = map.Cell(column, row);
                    const uint8_t right = map.Cell(column + 1, row);
                    const uint8_t below = map.Cell(column, row + 1);
                    const std::array<int, 4> corner = {code, right, below,
                                                       map.Cell(column + 1, row + 1)};
                    if (std::ranges::any_of(corner, InBend))
                        found.Corners.insert(corner);
                    if (code == TTrackMap::EmptyCell)
                        continue;
                    if (right != TTrackMap::EmptyCell)
                        found.Beside.insert({code, right});
                    if (below != TTrackMap::EmptyCell)
                        found.Stacked.insert({code, below});
                }
        }
    return found;
}
