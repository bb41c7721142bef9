// A game of ten levels: its start, the set-up of each level, the race frame, the results that lead
// to the next level or the congratulations, and the end of the game.

#include "race/Race.h"

#include "race/Bonus.h"
#include "race/Car.h"
#include "race/LevelTables.h"
#include "race/Player.h"
#include "race/RaceClock.h"
#include "race/ScrollBackground.h"
#include "race/StarField.h"

namespace {
constexpr uint8_t RaceImageList = 2;
constexpr int32_t TrackImage = 1;
constexpr int32_t CongratulationsMs = 3200;
constexpr int32_t FanfareSound = 21;
}  // namespace

TRace::TRace(TGameServices& services, TSoundList& sounds, TTextService& text, TRaceHost& host,
             TScreenKind& screenKind)
    : services_(services), text_(text), host_(host), screenKind_(screenKind), state_(sounds) {}

// The menu selection is cleared by the form before the race starts: no item answers in a race.
void TRace::StartRace(int32_t shipType) {
    screenKind_ = skRace;
    host_.PlayScreenMusic();
    host_.HidePointer();
    state_.ShipType = shipType;
    state_.Track = NewSprite<TScrollBackground>(services_, RaceImageList, TrackImage,
                                                TScrollBackground::ViewColumns,
                                                TScrollBackground::ViewRows, &state_);
    state_.StarField = CreateStarField(services_);
    SetUpLevel(1);
    // The bonuses join the tree before the player and the opponents after it, so that in each
    // frame the pick-ups are collected where the ship was drawn and the opponents move after it.
    bonuses_ = NewSprite<TBonus>(services_, state_);
    state_.Player = NewSprite<TPlayer>(services_, state_, PlayerScreenX, PlayerScreenY);
    cars_ = NewSprite<TCar>(services_, state_);
    state_.Opponents = cars_;
    DrawRaceHud();
    state_.Lives = 3;
    state_.Score = 0;
    host_.OpenDialog(dkLevel);
}

void TRace::SetUpLevel(int32_t level) {
    state_.Level = level;
    state_.Rank = 0;
    state_.ShipCount = 0;
    state_.NearestBehindY = state_.NearestAheadY = NoShipNear;
    state_.BehindIndicator = state_.AheadIndicator = false;
    state_.TrackLength = TrackLengthOf(level);
    state_.TimeLeft = TimeLimitMs(level);
    state_.BonusCount = BonusCountOf(level);
    state_.Track->GenerateTrack();
    // Nothing flies on into the new track.
    state_.Projectiles.ClearProjectiles();
    state_.CollisionFrame = true;
    state_.FrameCounter = 0;
}

// ResetShip at the end clears TimeOver and the outcome flag and refills the energy; the caption
// opens before the idle engine starts, so the caption's silence does not stop it.
void TRace::StartLevel(bool next) {
    SetUpLevel(next ? state_.Level + 1 : state_.Level);
    TPlayer& player = *state_.Player;
    player.EndPowerUps();
    player.FineHeading = 0;
    player.Heading = 0;
    state_.Track->X = state_.Track->Y = 0;
    bonuses_->PlaceBonuses();
    player.Finished = false;
    cars_->SetUpOpponents();
    host_.OpenDialog(dkLevel);
    player.ResetShip();
    player.PlayEngineSound(TEngineSound::Idle);
}

// The player's banking reads this frame's arrows during the move pass, its controls act from the
// frame after: so the keys are taken before the move and handed to the ship after it.
void TRace::RaceFrame(int32_t lagCount, const TInputState& input) {
    ReadControls(input);
    services_.Root.MoveTree(lagCount);
    OpenRequestedDialog();
    state_.CountCollisionFrame();
    state_.Player->ReadControls(state_.Controls);
    KeepTime(state_, services_.Timing.FrameTime);
    state_.Player->CountDownPowerUps();
    state_.Track->CopyViewToChips();
    state_.FollowPlayer();
    DrawRaceHud();
    if (input.Esc.Pressed)
        host_.OpenDialog(dkExitToMenu);
    if (input.P.Pressed)
        host_.OpenDialog(dkPause);
}

void TRace::ReadControls(const TInputState& input) {
    state_.Controls = {
        .Left = input.Left.Held,
        .Right = input.Right.Held,
        .Accelerate = input.Up.Held,
        .Brake = input.Down.Held,
        .Handbrake = input.SpaceHeld,
        .Fire = input.ZHeld || input.CtrlHeld,
        .Nitro = input.XHeld || input.ShiftHeld,
        .Horn = input.HHeld,
    };
}

void TRace::OpenRequestedDialog() {
    const TDialogKind requested = state_.RequestedDialog;
    if (requested == dkNone)
        return;
    state_.RequestedDialog = dkNone;
    host_.OpenDialog(requested);
}

void TRace::ResultsFrame() {
    TLevelResults& results = state_.Results;
    const int32_t frameTime = services_.Timing.FrameTime;
    results.StepLines(frameTime, state_.Sounds);
    results.Draw(text_, state_.Rank);
    if (!results.CountTimeBonus(frameTime, state_.Sounds))
        return;
    state_.Score += results.RankBonus + results.TimeBonus;
    host_.CloseDialog();
    if (state_.Level < LevelCount) {
        StartLevel(true);
        return;
    }
    results.TimeLeftAtFinish = CongratulationsMs;
    state_.Sounds.PlaySound(FanfareSound);
    host_.OpenDialog(dkCongratulations);
}

bool TRace::CongratulationsFrame() {
    int32_t& timeLeft = state_.Results.TimeLeftAtFinish;
    timeLeft -= services_.Timing.FrameTime;
    return timeLeft <= 0;
}

// Clearing the tree frees every race sprite once; the race then forgets them all.
void TRace::EndRace() {
    if (!Running())
        return;
    screenKind_ = skNone;
    state_.Player->StopShipSounds(true);
    services_.Root.ClearChildren();
    state_.Track = nullptr;
    state_.StarField = nullptr;
    state_.Player = nullptr;
    state_.Opponents = nullptr;
    cars_ = nullptr;
    bonuses_ = nullptr;
    state_.CollisionFrame = true;
    state_.FrameCounter = 0;
}

void TRace::ResumeShipSounds() {
    if (Running())
        state_.Player->ResumeShipSounds(true);
}
