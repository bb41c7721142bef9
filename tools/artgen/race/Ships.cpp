// The ship pictures: each ship level (one pattern) and banked to each side (six patterns, from the
// deepest roll at pattern 0 to almost level at pattern 5). All three pictures of a ship share its
// size, so the ship does not jump when the race switches between them.

#include <cmath>
#include <string>

#include "Patterns.h"
#include "RaceImages.h"
#include "ShipDesigns.h"

namespace art::race {

namespace {

constexpr int BankPatterns = 6;
constexpr double DeepestRoll = 60 * M_PI / 180;  // radians, at pattern 0

std::string ShipName(int shipType) {
    return "ship " + std::to_string(shipType);
}

}  // namespace

ImageRecord ShipLevelImage(int shipType) {
    const ShipDesign design = ShipDesignOf(shipType);
    return StripRecord(ShipName(shipType), design.Width, design.Height, 1,
                       [&](cairo_t* context, int) { PaintShip(context, design, 0); });
}

ImageRecord ShipBankImage(int shipType, BankSide side) {
    const ShipDesign design = ShipDesignOf(shipType);
    const double direction = side == BankSide::Left ? 1 : -1;
    const std::string name =
        ShipName(shipType) + (side == BankSide::Left ? " banked left" : " banked right");
    return StripRecord(name, design.Width, design.Height, BankPatterns,
                       [&](cairo_t* context, int pattern) {
                           const double depth = (BankPatterns - pattern) / double(BankPatterns);
                           PaintShip(context, design, direction * DeepestRoll * depth);
                       });
}

}  // namespace art::race
