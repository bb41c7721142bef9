#pragma once
// Plain stand-ins for the race's image list and the sound list, with every picture at the size
// and pattern count the race reads, so that driving tests do not depend on the generated art.

#include <cstdint>
#include <string>

// The instruments' stand-ins are single pixels in colours a test can read back (the surface may
// shift a channel by a few steps; these differ by more): the speedometer's digit d, any energy
// cell, any mini-map piece and an opponent's marker.
constexpr uint32_t StandInDigitColour(int digit) {
    return 0xFF000080u | static_cast<uint32_t>(digit) * 0x18u << 16;
}
constexpr uint32_t StandInEnergyCellColour = 0xFF00C000;
constexpr uint32_t StandInMiniMapPieceColour = 0xFF20E020;
constexpr uint32_t StandInMiniMapMarkerColour = 0xFFFF0000;
// The panel's signs on image list 3: the turn warnings (14 left, 15 right) and the far-ship
// arrows (16 ahead, 17 behind); and the nitro's exhaust flame.
constexpr uint32_t StandInPanelSignColour(int image) {
    return 0xFF0000F0u | static_cast<uint32_t>(image - 13) * 0x30u << 8;
}
constexpr uint32_t StandInNitroFlameColour = 0xFFF0A000;

// Image list 2: the track tiles, flames, ships with their bank and explosion strips, the star
// field; every other item a 1 x 1 placeholder.
std::string StandInRaceImageList();
// Image list 3: the mini-map's 18 items, each a 1 x 1 placeholder.
std::string StandInMiniMapImageList();
// 27 short silent sounds.
std::string StandInSoundList();
