// The end of the player's power-ups: the timed ones run out or end with an explosion or a new
// level, and an armed super-shot is lost with them.

#include "race/Player.h"

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
