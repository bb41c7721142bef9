#pragma once
// The five ships of the race, each at its exact picture size, nose up.

#include "ShipModel.h"

namespace art::race {

// shipType 1..5: picture sizes 64 x 73, 64 x 73, 70 x 67, 76 x 70 and 73 x 68.
ShipDesign ShipDesignOf(int shipType);

}  // namespace art::race
