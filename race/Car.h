#pragma once
// The opponent ships: one sprite holding all five slots. Each ship follows the track's centre
// line at a lane offset that changes at random, varies its engine speed at random, steers round
// the player and the other ships, fires at the player when he is level or ahead, brakes on marked
// stretches, and stops 100 rows past the finish line. A wrecked ship coasts to a stop and comes
// back on the track a second later. The player's drawing draws them (DrawShips); the sprite's
// own picture is never shown.

#include <array>
#include <cstdint>

#include "engine/MyImageSprite.h"
#include "race/OpponentShips.h"
#include "race/RaceState.h"

class TCar : public TMyImageSprite, public TOpponentShips {
public:
    // At (0, 0), Z 0, after the player in the sprite tree; sets up the race's level at once.
    TCar(TGameServices& services, TRaceState& race);

    // The level's ships at their start places, then one pass of the frame step that places them
    // without firing or showing a flame.
    void SetUpOpponents();
    // Back on the track two cells inside its right border, in a row near the ship's; without a
    // border piece near, where it is.
    void RespawnOpponent(int32_t slot);

    TOpponentSlot& Slot(int32_t slot) override { return slots_.at(static_cast<size_t>(slot)); }
    void DamageOpponent(int32_t slot) override;
    void DestroyOpponent(int32_t slot) override;
    void DrawShips() override;

    void Advance(int32_t moveCount) override;
    void Render() override {}

private:
    // Which way the probes tell a ship to go this frame.
    struct TAvoidance {
        bool AheadBlocked = false;
        bool SteerRight = false;
        bool SteerLeft = false;
        bool PlayerAhead = false;  // the player blocks the way: swerve harder
        bool Any() const { return AheadBlocked || SteerRight || SteerLeft; }
    };

    double FrameFactor() const { return Services.Timing.FrameFactor; }
    int32_t FrameTime() const { return Services.Timing.FrameTime; }
    TPointD ScreenFromWorld(const TPointD& world) const;

    void AdvanceSlot(int32_t slot);
    void ExplosionStep(int32_t slot);
    void MoveStep(TOpponentSlot& ship);
    void OutlineStep(TOpponentSlot& ship);
    bool ChangeDue(int32_t& timer);
    void LaneChangeStep(TOpponentSlot& ship);
    void SpeedChangeStep(TOpponentSlot& ship);
    TAvoidance Probe(int32_t slot);
    void Swerve(TOpponentSlot& ship, const TAvoidance& avoidance);
    // The target row, and the heading change toward the lane on it (0 while avoiding).
    int32_t SteeringTarget(TOpponentSlot& ship, double& difference);
    void TurnStep(TOpponentSlot& ship, double difference);
    void BankStep(TOpponentSlot& ship);
    void ImageStep(TOpponentSlot& ship);
    void FireStep(TOpponentSlot& ship);
    void ThrottleStep(TOpponentSlot& ship, int32_t targetRow);
    void DirectionLimit(TOpponentSlot& ship);

    TRaceState& race_;
    std::array<TOpponentSlot, SlotCount + 1> slots_{};  // slot 0 unused
    bool setUpPass_ = false;  // the level set-up's placing pass: no shots, no flames
};
