// The player's engine loop, chosen each frame from the keys and the engine speed, and the
// stopping and resuming of the ship's sounds.

#include "race/Player.h"
#include "race/ShipPhysics.h"

namespace {

// The accelerating loops by engine speed, in engine units per unit of TopSpeedFactor: a band
// starts only above its low end and up to its high end. Between 65 and 67 none starts.
struct TEngineBand {
    double Low;
    double High;
    TEngineSound Sound;
};
constexpr std::array<TEngineBand, 4> AccelerateBands = {{
    {0, 65, TEngineSound::AccelerateLow},
    {67, 97, TEngineSound::Accelerate2},
    {97, 116, TEngineSound::Accelerate3},
    {116, 157, TEngineSound::AccelerateHigh},
}};
constexpr TEngineBand TopSpeedBand = {157, 180, TEngineSound::TopSpeed};
constexpr double CoastingAbove = 40;  // engine units

bool InBand(const TEngineBand& band, double factor, double engineSpeed) {
    return engineSpeed > band.Low * factor && engineSpeed <= band.High * factor;
}

bool Accelerating(TEngineSound sound) {
    return sound == TEngineSound::AccelerateLow || sound == TEngineSound::Accelerate2 ||
           sound == TEngineSound::Accelerate3 || sound == TEngineSound::AccelerateHigh;
}

}  // namespace

// The loops follow EngineSound, which names the one loop playing: every switch stops the others.
void TPlayer::EngineSoundStep() {
    if (NitroActive && KeyNitro) {
        if (EngineSound != TEngineSound::Nitro)
            PlayEngineSound(TEngineSound::Nitro);
        return;
    }
    race_.Sounds.StopSound(static_cast<int32_t>(TEngineSound::Nitro));
    if (EngineSound == TEngineSound::Nitro)
        EngineSound = TEngineSound::None;
    if (EngineSound != TEngineSound::Idle && !OnTrack)
        PlayEngineSound(TEngineSound::Idle);
    if (!OnTrack)
        return;
    const double factor = TopSpeedFactor(race_.ShipType);
    const double v = EngineSpeed;
    if (KeyAccelerate && !KeyHandbrake && !KeyBrake) {
        for (const TEngineBand& band : AccelerateBands)
            if (InBand(band, factor, v) && !Accelerating(EngineSound))
                PlayEngineSound(band.Sound);
        if (InBand(TopSpeedBand, factor, v) && EngineSound != TopSpeedBand.Sound)
            PlayEngineSound(TopSpeedBand.Sound);
    }
    if ((!KeyAccelerate && !KeyHandbrake) || (KeyAccelerate && KeyBrake)) {
        const TEngineSound rest = v > CoastingAbove ? TEngineSound::Coasting : TEngineSound::Idle;
        if (EngineSound != rest)
            PlayEngineSound(rest);
    }
    if (KeyHandbrake && v != 0 && EngineSound != TEngineSound::Skid)
        PlayEngineSound(TEngineSound::Skid);
    if (EngineSound == TEngineSound::Skid && v == 0)
        PlayEngineSound(TEngineSound::Idle);
}

void TPlayer::PlayEngineSound(TEngineSound sound) {
    StopShipSounds(false);
    race_.Sounds.PlaySound(static_cast<int32_t>(sound));
    EngineSound = sound;
}

void TPlayer::StopShipSounds(bool all) {
    for (int32_t sound : EngineLoopSounds)
        race_.Sounds.StopSound(sound);
    if (!all)
        return;
    for (int32_t sound : ShipEffectSounds)
        race_.Sounds.StopSound(sound);
}

void TPlayer::ResumeShipSounds(bool withHorn) {
    if (EngineSound != TEngineSound::None)
        PlayEngineSound(EngineSound);
    if (withHorn && HornOn)
        race_.Sounds.PlaySound(HornSound);
}
