#pragma once
// The sound list items the ships and their shots play.

#include <array>
#include <cstdint>

// The engine loop now playing; each value is its sound list item.
enum class TEngineSound : int32_t {
    None = -1,
    Idle = 4,
    Coasting = 6,
    Skid = 7,
    AccelerateLow = 9,
    Accelerate2 = 10,
    Accelerate3 = 11,
    AccelerateHigh = 12,
    TopSpeed = 13,
    Nitro = 22,
};

constexpr int32_t HornSound = 8;
constexpr int32_t BumpSound = 17;
constexpr int32_t ExplosionSound = 20;
constexpr int32_t ShotSound = 23;
constexpr int32_t SuperShotSound = 25;
constexpr int32_t ImpactSound = 26;  // a shot or an asteroid hits

// Every engine loop, stopped before another starts.
constexpr std::array<int32_t, 9> EngineLoopSounds = {4, 6, 7, 9, 10, 11, 12, 13, 22};
// With the engine loops, these stop when a dialog opens: the horn and the pick-up and bump
// effects.
constexpr std::array<int32_t, 5> ShipEffectSounds = {HornSound, 14, 15, 16, BumpSound};
