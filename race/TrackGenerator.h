#pragma once
// Builds a level's track map from the start line upward, row by row, as a chain of segments
// (straight, bend left, bend right, straighten) chosen at random, with the finish line 50 rows
// before the far end. Each new row is made from the row below it by the rules of the current
// segment kind, so walls and bends always join up.

#include <cstdint>

#include "engine/Random.h"
#include "race/TrackMap.h"

// The finish line lies 50 rows before the track's far end.
constexpr int32_t FinishLineRowOf(int32_t trackLength) {
    return TTrackMap::Rows + 50 - trackLength;
}

class TTrackGenerator {
public:
    TTrackGenerator(TTrackMap& trackMap, TRandom& random) : trackMap_(trackMap), random_(random) {}

    // Clears the map and builds rows 1499 up to 1500 - trackLength, the finish line in row
    // 1550 - trackLength, and every row's centre line.
    void Generate(int32_t trackLength);

    // Builds the row from the row below it by the rules of SegKind.
    void BuildRow(int32_t row);
    // The start and finish line over the row's first left wall, if it has one.
    void DrawFinishLine(int32_t row);

    uint8_t SegKind = 1;      // 1..5, the segment kind building the current row
    int32_t SegRowsLeft = 0;  // rows left in the current segment

private:
    void BuildStartArea();
    void NextSegment(int32_t row, int32_t trackLength);
    void FindCentreLines();

    TTrackMap& trackMap_;
    TRandom& random_;
};
