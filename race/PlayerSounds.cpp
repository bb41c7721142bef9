// The player's engine loop and the stopping and resuming of the ship's sounds.

#include "race/Player.h"

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
