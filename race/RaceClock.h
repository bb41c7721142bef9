#pragma once
// The level's clock: TimeLeft runs down by the frame's time while the player races, ticks on
// every whole second of the last ten while it runs, and calls time over when less than a frame
// is left.

#include <cstdint>

struct TRaceState;

// One race frame of frameTime ms. The clock stops once the player has finished or the time is
// over, and TimeLeft never goes below 0.
void KeepTime(TRaceState& race, int32_t frameTime);
