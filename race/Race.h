#pragma once
// The race rules: a game of up to ten levels against the clock. Starts a game and its levels,
// runs the race frame, keeps the time and the rank, decides each level's outcome, counts the
// results, draws the heads-up display and ends the game. The main form owns one and hands it the
// frames while the race screen is shown; dialogs are the form's, asked for through the host.

#include <cstdint>

#include "engine/GameServices.h"
#include "engine/InputState.h"
#include "engine/ShellKinds.h"
#include "engine/SoundList.h"
#include "engine/TextService.h"
#include "race/RaceState.h"

class TBonus;
class TCar;
class TRaceHost {
public:
    virtual ~TRaceHost() = default;
    virtual void OpenDialog(TDialogKind kind) = 0;
    virtual void CloseDialog() = 0;
    virtual void PlayScreenMusic() = 0;
    virtual void HidePointer() = 0;
};

class TRace {
public:
    TRace(TGameServices& services, TSoundList& sounds, TTextService& text, TRaceHost& host,
          TScreenKind& screenKind);
    TRace(const TRace&) = delete;
    TRace& operator=(const TRace&) = delete;

    // Begins a game at level 1 with the chosen ship: the race screen, its music, the sprites,
    // the HUD and the level caption.
    void StartRace(int32_t shipType);
    // Sets up the next level (next) or the same one again, and shows its caption.
    void StartLevel(bool next);
    // One frame of the race while no dialog is open; input is this frame's poll.
    void RaceFrame(int32_t lagCount, const TInputState& input);
    void DrawRaceHud();
    // The results dialog's frame: shows its lines one by one, counts the time bonus, then adds
    // the bonuses to the score and goes on to the next level or the congratulations.
    void ResultsFrame();
    // The congratulations dialog's frame: true once its time has run out.
    bool CongratulationsFrame();
    // Frees the race's sprites; the screen becomes none.
    void EndRace();

    // When a pause or the exit question closes: the engine loop again, and the horn if it was
    // sounding.
    void ResumeShipSounds();

    // The race's sprites exist: from StartRace to EndRace.
    bool Running() const { return state_.Player != nullptr; }
    TBonus* Bonuses() const { return bonuses_; }
    TRaceState& State() { return state_; }
    const TRaceState& State() const { return state_; }

private:
    // What a new level and a repeated one share: the level's numbers, a fresh rank, a new track.
    void SetUpLevel(int32_t level);
    // The dialog the player's step asked for during the move pass.
    void OpenRequestedDialog();
    void ReadControls(const TInputState& input);

    TGameServices& services_;
    TTextService& text_;
    TRaceHost& host_;
    TScreenKind& screenKind_;
    TRaceState state_;
    TCar* cars_ = nullptr;       // the opponents' sprite, owned by the sprite tree
    TBonus* bonuses_ = nullptr;  // the pick-ups' sprite, owned by the sprite tree
};
