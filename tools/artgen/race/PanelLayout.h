#pragma once
// Where the race's instrument panel puts things, in screen pixels (the panel picture starts at
// x 575). The texts the race writes over the panel, the speedometer digits, the energy cells and
// the mini-map all land on the dark screens and sockets laid out here.

#include <array>

#include "Geometry.h"

namespace art::race {

struct Box {
    double X, Y, Width, Height;
};

constexpr int PanelLeft = 575;
constexpr int PanelWidth = 225, PanelHeight = 600;

// Screens for the green read-outs, sized around the widest text each shows.
constexpr Box LevelScreen{628, 3, 169, 23};    // "LEVEL 10 / 10", centred on (716, 14)
constexpr Box MapScreen{662, 30, 136, 180};    // the mini-map's window, rows visible y 32..208
constexpr Box TimeScreen{666, 222, 116, 32};   // "mm : ss", centred on (724, 238)
constexpr Box ScoreScreen{642, 302, 154, 32};  // the score, centred on (718, 318)
constexpr Box LivesScreen{765, 556, 33, 38};   // one digit, centred on (783, 575)

// The mini-map's frame pieces cover the map's rows that scroll outside its window.
constexpr Box MapTopFrame{598, 0, 202, 32};
constexpr Box MapBottomFrame{638, 208, 162, 22};

// The speedometer: four digits in a row rising to the right, and the unit label after them.
constexpr int DigitWidth = 10, DigitHeight = 15;
constexpr std::array<Vec2, 4> DigitPlaces{{{645, 439}, {656, 433}, {667, 428}, {678, 423}}};
constexpr Vec2 SpeedUnitPlace{695, 404};
constexpr int SpeedUnitWidth = 30, SpeedUnitHeight = 18;
constexpr double SpeedRowSlope = -16.0 / 33;  // pixels up per pixel right, digit to digit

// The energy cells: four segments of one arc rising along the panel's bottom edge, each
// starting at the top-left where the race draws it.
constexpr std::array<Vec2, 4> EnergyCellPlaces{{{606, 546}, {640, 511}, {693, 482}, {743, 461}}};
constexpr Vec2 EnergyArcCentre{884, 826};
constexpr double EnergyArcInner = 364, EnergyArcOuter = 379;

// The outline of energy cell 1..4 in screen pixels: its arc segment, with its outermost left and
// top points on the cell's place. grow widens it (for the socket under the cell).
Polygon EnergyCellOutline(int cell, double grow = 0);

}  // namespace art::race
