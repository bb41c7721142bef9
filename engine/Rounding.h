#pragma once
// The game's rounding rules: Round is to nearest with ties to even (2.5 gives 2, 3.5 gives 4);
// Trunc and integer division go toward zero; a positive modulo never goes below zero.

#include <cmath>
#include <cstdint>

inline int32_t Round(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}
inline int32_t Trunc(double value) {
    return static_cast<int32_t>(std::trunc(value));
}

// Remainder of truncating division plus the divisor when that remainder is negative.
inline int32_t PositiveMod(int32_t value, int32_t divisor) {
    const int32_t remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}
