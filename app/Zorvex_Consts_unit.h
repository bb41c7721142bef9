#pragma once
// Constants of the main game unit: the screens and the frame timing's constants.

#include <cstdint>

// The screen whose logic runs each frame.
enum TScreenKind : uint8_t {
    skNone = 0,  // between screens, while one is torn down and the next built
    skMainMenu = 1,
    skShipSelect = 2,
    skOptions = 3,
    skHighScores = 4,
    skHelp = 5,
    skRace = 6,
};

constexpr int32_t SurfaceWidth = 800;
constexpr int32_t SurfaceHeight = 600;
