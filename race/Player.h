#pragma once
// The player's ship. It stays at its place on the screen while the track scrolls under it: its
// movement is a heading and a speed, which the race turns into the track's scroll velocity.
// Driving (controls, physics, banking, outline, on-track and finish tests, bumps, the return to
// the track) and drawing the ship itself live here.

#include <cstdint>

#include "engine/MyImageSprite.h"
#include "engine/QuadTest.h"
#include "race/MiniMap.h"
#include "race/RaceState.h"
#include "race/ShipSounds.h"

class TScrollBackground;
struct TOpponentSlot;

// The timed power-ups, numbered as the bonuses' power-up kinds.
enum class TPowerUp : int32_t {
    Invulnerability = 2,
    Nitro = 3,
};

// The ship's fixed place on the screen (top-left), left of the instrument panel.
constexpr double PlayerScreenX = 328;
constexpr double PlayerScreenY = 400;

class TPlayer : public TMyImageSprite {
public:
    // The ship of the race's ShipType with its top-left at (x, y), Z 12.
    TPlayer(TGameServices& services, TRaceState& race, double x, double y);

    // Driving.
    double EngineSpeed = 0;  // engine units: 0..160 x TopSpeedFactor forward, down to -8 back
    double Speed = 0;        // TopSpeedFactor x EngineSpeed / 8; the track moves Speed / 2 px
    double Drag = 0;         // engine units lost this frame, chosen by the controls
    double FineHeading = 0;  // 1/512 turn, 0 up the track, clockwise; steering keeps +-128
    int32_t Heading = 0;     // Round(FineHeading / 2), 1/256 turn
    // The outline: the screen centre never changes; the corners turn with the heading.
    double ShipCentreX = 0;
    double ShipCentreY = 0;
    double CornerRadius = 0;  // pixels
    double CornerAngle = 0;   // 1/256 turn from the ship's axis
    TQuad Corners{};          // front-left, front-right, rear-right, rear-left; screen pixels
    bool OnTrack = false;     // all four corners on drivable cells, as of the last test

    // Control flags, copied from the race's keys once per race frame.
    bool KeyLeft = false;
    bool KeyRight = false;
    bool KeyAccelerate = false;
    bool KeyBrake = false;
    bool KeyHandbrake = false;
    bool KeyFire = false;
    bool KeyNitro = false;
    bool KeyHorn = false;
    bool PrevLeft = false;  // KeyLeft, KeyRight of the previous frame
    bool PrevRight = false;

    // Banking: -1 left-tilt image, 0 straight, +1 right-tilt image.
    int32_t TiltState = 0;
    double TurnStartHeading = 0;  // Heading when the turn key went down

    bool Finished = false;      // crossed this level's finish line
    bool TimeOver = false;      // the level's time ran out
    bool Destroyed = false;     // exploding, or waiting to be put back on the track
    bool BumpBoost = false;     // a push from behind is in effect
    int32_t BumpBoostTime = 0;  // ms

    // Damage and the exhaust.
    int32_t Energy = 4;        // cells, 0..4
    bool WreckTurned = false;  // the wreck's slide has been mirrored for this explosion
    int32_t RespawnTimer = 0;  // ms of explosion left before the ship is put back
    double BlinkPhase = 0;     // 0..2, the flame's flicker clock
    bool BlinkOn = false;
    TEngineSound EngineSound = TEngineSound::None;
    bool HornOn = false;

    // Power-ups: invulnerability and nitro last a while; the super-shot waits to be fired.
    bool Invulnerable = false;     // opponents do not bump the ship
    int32_t InvulnerableTime = 0;  // ms left
    bool NitroActive = false;
    int32_t NitroTime = 0;  // ms left
    bool SuperShotArmed = false;
    int32_t FireCooldown = 0;  // ms until the gun may fire again

    // The level's outcome: its first frame has been seen, and the ms still to wait once the ship
    // stands before the outcome's dialog.
    bool OutcomeHandled = false;
    int32_t OutcomeDelay = 0;

    TMiniMap MiniMap;  // rebuilt on every Render

    // The race frame's copy of the keys into the control flags.
    void ReadControls(const TRaceControls& controls);

    // Multiplies EngineSpeed and Speed by factor and restarts the engine loop; withSound plays
    // the bump.
    void ScaleSpeed(bool withSound, double factor);
    // Adds units to EngineSpeed by scaling, or directly when the engine speed is 0.
    void ChangeSpeedBy(bool withSound, double units);
    // Back on the track after an explosion: the nearest marked wall piece ahead of the start.
    void PlaceOnTrack();
    // Drivable again, standing still with full energy.
    void ResetShip();
    // Loses count energy cells; the last one costs a life and the ship explodes.
    void LoseEnergy(int32_t count);
    void Explode();
    void AddScore(int32_t points) { race_.Score += points; }
    // A bonus's power-up: 1 a life (up to 3), 2 invulnerability, 3 nitro, 4 the super-shot, 5 an
    // energy cell (up to 4); only the low 7 bits of kind count, other kinds do nothing.
    void ApplyBonus(int32_t kind);

    // Ends one timed power-up before its time is up, or once it is.
    void EndPowerUp(TPowerUp powerUp);
    // Ends both timed power-ups and disarms the super-shot: on an explosion and at a level start.
    void EndPowerUps();
    // The race frame's countdown of the timed power-ups; a used-up one ends.
    void CountDownPowerUps();

    void PlayEngineSound(TEngineSound sound);
    // Stops the engine loops, and with all also the horn and the effects.
    void StopShipSounds(bool all);
    void ResumeShipSounds(bool withHorn);

    void Advance(int32_t moveCount) override;
    void Render() override;

private:
    TScrollBackground& Track() const { return *race_.Track; }
    double FrameFactor() const { return Services.Timing.FrameFactor; }
    bool NitroOn() const { return EngineSound == TEngineSound::Nitro; }

    void BlinkStep();
    void WeaponStep();
    void EngineSoundStep();
    void TiltStep();
    void SelectStraightImage();
    void SelectTiltImage(int32_t side);
    void Bank(int32_t side, bool turnKeyWasHeld);
    void FinishTest();
    void ComputeCorners();
    void BumpBoostStep();
    void BumpOpponents();
    void Bump(int32_t slot);
    void ExplosionStep();
    void ControlStep();
    void Steer(double direction);
    void DragStep();
    bool OnTrackTest() const;
    void OutcomeStep();
    void StartOutcome();
    void EndLevel();
    void Coast();
    void DrawFlame();
    void DrawShip();
    void DrawFarShipArrows();
    void DrawPanelImage(int32_t list, int32_t image, int32_t x, int32_t y) const;
    void DrawMiniMap();
    void DrawOpponentMarker(const TOpponentSlot& ship, double shift, int32_t scroll);
    void DrawTurnWarning() const;
    void DrawMiniMapFrame() const;
    void DrawSpeedometer() const;
    void DrawEnergyCells() const;

    TRaceState& race_;
};
