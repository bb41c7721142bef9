#pragma once
// The fixed table of everything that flies in a race: the ships' shots, the asteroids and what is
// left of them when they hit (an impact stuck to a ship, an asteroid breaking up). Ten slots and no
// allocation during the race; when all are busy a new shot or asteroid is not made.

#include <array>
#include <cstddef>
#include <cstdint>

// What a slot holds; the shot kinds follow the ship types that fire them.
enum class TProjectileKind : uint8_t {
    None = 0,
    Shot1 = 1,
    Shot2 = 2,
    Shot3 = 3,
    SuperShot = 4,  // the player's only
    SmallAsteroid = 5,
    LargeAsteroid = 6,
    Shot4 = 7,
    Shot5 = 8,
};

enum class TProjectileOwner : uint8_t {
    Nobody = 0,  // an asteroid
    Player = 1,
    Opponent = 2,
};

enum class TProjectileState : uint8_t {
    Flying = 0,
    StuckToPlayer = 1,    // an opponent's shot's impact on the player's ship
    StuckToOpponent = 2,  // the player's shot's impact on an opponent
    BreakingUp = 3,       // an asteroid that was hit, drifting on
};

struct TProjectile {
    bool Active = false;
    TProjectileKind Kind = TProjectileKind::None;
    TProjectileOwner Owner = TProjectileOwner::Nobody;
    double X = 0;  // world pixels, the centre
    double Y = 0;
    int32_t Angle = 0;  // 1/256 turn, 0 up the track, clockwise
    double Speed = 0;   // half a pixel per frame at FrameFactor 1 per unit, like the ships'
    double Anim = 0;    // pattern: the asteroid's turn, then the impact or break-up
    TProjectileState State = TProjectileState::Flying;
    double OffsetX = 0;  // from the stuck-to ship's top-left (world pixels)
    double OffsetY = 0;
    int32_t Target = 0;  // the opponent slot 1..5 of an impact on an opponent
};

// The shot a ship of type 1..5 fires.
constexpr TProjectileKind ShotKindOf(int32_t shipType) {
    constexpr std::array<TProjectileKind, 5> kinds = {
        TProjectileKind::Shot1, TProjectileKind::Shot2, TProjectileKind::Shot3,
        TProjectileKind::Shot4, TProjectileKind::Shot5};
    return kinds.at(static_cast<size_t>(shipType - 1));
}

constexpr bool IsAsteroid(TProjectileKind kind) {
    return kind == TProjectileKind::SmallAsteroid || kind == TProjectileKind::LargeAsteroid;
}

struct TProjectileTable {
    static constexpr int32_t SlotCount = 10;  // slots 1..10
    static constexpr int32_t AsteroidPeriodMs = 500;

    // Slot 0 is never used, so that slot numbers read as the table's.
    std::array<TProjectile, SlotCount + 1> Slots{};
    int32_t AsteroidTimer = AsteroidPeriodMs;  // ms to the next asteroid roll

    TProjectile& Slot(int32_t slot) { return Slots.at(static_cast<size_t>(slot)); }
    const TProjectile& Slot(int32_t slot) const { return Slots.at(static_cast<size_t>(slot)); }

    // Every slot free and zeroed; the next asteroid roll in 500 ms. At every level's set-up.
    void ClearProjectiles();
    // Into the lowest free slot, flying at speedArgument + 10 from the world point (x, y); the
    // slot, or 0 when all ten are busy and nothing was made.
    int32_t SpawnProjectile(TProjectileKind kind, TProjectileOwner owner, int32_t angle, double x,
                            double y, int32_t speedArgument);
    void RemoveProjectile(int32_t slot) { Slot(slot).Active = false; }
    int32_t ActiveCount() const;
};
