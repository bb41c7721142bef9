#pragma once
// Deterministic value noise for textures: tileable 2-D noise (for the floor and the star field,
// which must repeat without a seam) and 3-D noise (for rock surfaces that turn).

#include <cstdint>

namespace art::race {

// A hash of integer coordinates to [0, 1).
double Hash01(int x, int y, int z, uint32_t seed);

// Smooth value noise in [0, 1) whose lattice repeats every periodX units in x and periodY units
// in y, so a texture sampled over 0..periodX x 0..periodY tiles seamlessly.
double TileNoise(double x, double y, int periodX, int periodY, uint32_t seed);

// Sum of octaves of TileNoise, each twice the frequency and half the weight of the one before,
// normalised to [0, 1). The tile stays periodX x periodY for every octave.
double TileFractal(double x, double y, int periodX, int periodY, int octaves, uint32_t seed);

// Smooth 3-D value noise in [0, 1), and its fractal sum.
double Noise3(double x, double y, double z, uint32_t seed);
double Fractal3(double x, double y, double z, int octaves, uint32_t seed);

}  // namespace art::race
