// The player's power-ups: what a bonus grants, and their end. The timed ones run out or end with
// an explosion or a new level, and an armed super-shot is lost with them.

#include "race/Player.h"

namespace {
constexpr int32_t MaxLives = 3;
constexpr int32_t FullEnergy = 4;
constexpr int32_t PowerUpMs = 10000;
}  // namespace

// A second timed power-up of the same kind restarts its time; a second super-shot stays one.
void TPlayer::ApplyBonus(int32_t kind) {
    switch (kind & 0x7F) {
        case 1:
            if (race_.Lives < MaxLives)
                ++race_.Lives;
            break;
        case 2:
            Invulnerable = true;
            InvulnerableTime = PowerUpMs;
            break;
        case 3:
            NitroActive = true;
            NitroTime = PowerUpMs;
            break;
        case 4:
            SuperShotArmed = true;
            break;
        case 5:
            if (Energy < FullEnergy)
                ++Energy;
            break;
        default:
            break;
    }
}

void TPlayer::EndPowerUp(TPowerUp powerUp) {
    switch (powerUp) {
        case TPowerUp::Invulnerability:
            Invulnerable = false;
            InvulnerableTime = -1;
            break;
        case TPowerUp::Nitro:
            NitroActive = false;
            NitroTime = -1;
            break;
    }
}

void TPlayer::EndPowerUps() {
    EndPowerUp(TPowerUp::Invulnerability);
    EndPowerUp(TPowerUp::Nitro);
    SuperShotArmed = false;
}

void TPlayer::CountDownPowerUps() {
    const int32_t frameTime = Services.Timing.FrameTime;
    const auto countDown = [&](int32_t& timeLeft, TPowerUp powerUp) {
        if (timeLeft > 0)
            timeLeft -= frameTime;
        if (timeLeft <= 0)
            EndPowerUp(powerUp);
    };
    countDown(InvulnerableTime, TPowerUp::Invulnerability);
    countDown(NitroTime, TPowerUp::Nitro);
}
