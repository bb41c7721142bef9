#pragma once
// The pick-ups lying on the track: points, a life, invulnerability, nitro, a super-shot and an
// energy cell. One sprite holds all of a level's pick-ups in a table, draws those in view and
// collects those the player's ship touches.

#include <array>
#include <cstdint>

#include "engine/MyImageSprite.h"
#include "race/RaceState.h"

// What a pick-up gives: kinds 1..3 only points, 4..8 ten points and a power-up.
enum class TBonusKind : uint8_t {
    Score10 = 1,
    Score50 = 2,
    Score100 = 3,
    Life = 4,
    Invulnerability = 5,
    Nitro = 6,
    SuperShot = 7,
    Energy = 8,
};

struct TPickUp {
    bool Active = false;  // lies on the track and can be collected
    int32_t Column = 0;   // track cell
    int32_t Row = 0;
    TBonusKind Kind = TBonusKind::Score10;
    double Anim = 0;  // pattern, 0..4
};

class TBonus : public TMyImageSprite {
public:
    static constexpr int32_t MaxPickUps = 400;
    static constexpr int32_t MaxLifeBonuses = 3;

    // Z 5, under the ships; scatters the level's pick-ups at once.
    TBonus(TGameServices& services, TRaceState& race);

    // Scatters the race's BonusCount pick-ups over the rows between the finish line and the start
    // area, beside the road's left border (cells of code 2).
    void PlaceBonuses();

    TPickUp& PickUp(int32_t n) { return pickUps_.at(static_cast<size_t>(n)); }
    const TPickUp& PickUp(int32_t n) const { return pickUps_.at(static_cast<size_t>(n)); }

    void Advance(int32_t moveCount) override;
    void Render() override;

private:
    void Collect(TPickUp& pickUp);

    TRaceState& race_;
    std::array<TPickUp, MaxPickUps + 1> pickUps_{};  // 1..MaxPickUps; 0 unused
};
