#pragma once
// Constants of the main game unit: the screens and the frame timing's constants.

#include <cstdint>

#include "engine/ShellKinds.h"

constexpr int32_t SurfaceWidth = 800;
constexpr int32_t SurfaceHeight = 600;

// Sound effects the shell plays.
constexpr int SoundIntroWhoosh = 0;
constexpr int SoundHighlightTick = 1;
constexpr int SoundClick = 2;
constexpr int SoundShipChange = 3;
