#pragma once
// The main form: owns the game's components and state, runs start-up, the frame loop, the screen
// state machine, the dialogs and the window's events. The one place that knows every screen.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/Zorvex_Consts_unit.h"
#include "engine/FrameTiming.h"
#include "engine/GameServices.h"
#include "engine/ImageList.h"
#include "engine/InputState.h"
#include "engine/Music.h"
#include "engine/Random.h"
#include "engine/SoundList.h"
#include "engine/SpriteEngineComponent.h"
#include "engine/TextService.h"
#include "online/WorldOnline.h"
#include "platform/Backend.h"
#include "platform/FrameTimer.h"
#include "race/Race.h"
#include "save/SavedData.h"
#include "screens/HelpScreen.h"
#include "screens/HighScoresScreen.h"
#include "screens/MainMenu.h"
#include "screens/MenuState.h"
#include "screens/OptionsScreen.h"
#include "screens/ScreenHost.h"
#include "screens/ShipSelectScreen.h"

class TMyCursor;
class TMyImageSprite;

class TMForm final : public TScreenHost, public TRaceHost {
public:
    // saveFolder holds the options and high-score files.
    TMForm(platform::Backend& backend, uint32_t randomSeed,
           const std::string& saveFolder = TSavedData::DefaultFolder);
    ~TMForm() override;
    TMForm(const TMForm&) = delete;
    TMForm& operator=(const TMForm&) = delete;

    // Start-up. Returns false when a resource could not be loaded: the error has been shown, the
    // rest of start-up has not run, and the program must end without saving anything.
    bool FormCreate();

    // One idle pass of the message loop: measures the frame and runs it.
    void IdleFrame();
    // The frame, lagCount ms after the previous one.
    void MDXTimerTimer(int32_t lagCount);

    void HandleEvent(const platform::InputEvent& event);

    void ActivateMenuItem();
    void ChooseMenuItem(int32_t item) override;
    void ShowPointer() override;
    void HidePointer() override;

    void ApplyDisplayMode();
    void SetFullScreenMode();
    void SetWindowMode();

    // The menu music on menu screens, the race music in a race.
    void PlayScreenMusic() override;

    // Dialogs (Dialogs.cpp).
    void OpenDialog(TDialogKind kind) override;
    void DialogFrame(int32_t lagCount);
    void CloseDialog() override;
    // The open dialog's answer to MenuIndex (11 Yes, 12 No); other kinds ignore it.
    void DialogAnswer();

    // Keyboard, mouse and text entry (KeyboardEvents.cpp, MouseEvents.cpp).
    void FormKeyDown(uint16_t key, uint8_t shift);
    void FormKeyUp(uint16_t key, uint8_t shift);
    void FormKeyPress(char character);
    void FormKeyBoss(uint16_t key, uint8_t shift, bool down);
    void ToggleBossCapture();
    void EndBossCapture() override;
    void BossKeyAction();
    void HoverTest(bool keepWhenOutside);
    void MDXDrawMouseMove(uint8_t shift, int32_t x, int32_t y);
    void MDXDrawClick();

    // The window's close button: never closes by itself. Returns the answer, always false.
    bool FormCloseQuery();
    // Closing by other means (SIGTERM, SIGINT): save and end.
    void FormClose();
    void Shutdown();

    bool Active() const { return focused_ && !minimized_; }
    bool Terminated() const { return terminated_; }
    // The program's exit status: 1 when the saved files could not be written at the end.
    int ExitCode() const { return exitCode_; }

    // Saved settings and scores; Options and BossKeys are its fields under their own names.
    TSavedData Saved;
    TGameOptions& Options;
    TBossKeyOptions& BossKeys;
    std::string& PlayerName;  // the name typed last in this run; not saved

    // Components.
    platform::Backend& Backend;
    platform::Display& MDXDraw;
    platform::Keyboard& MDXInput;
    TDXSpriteEngine MDXSpriteEngine;
    platform::FrameTimer MDXTimer;
    std::array<TImageList, 3> MDXImageLists;  // MDXImageList1..3
    TSoundList MDXWaveList;
    TMusic Music;
    TTextService Text;
    TRandom Random;

    // Screen state and menu selection.
    TScreenKind ScreenKind = skNone;
    TMenuState Menu;

    // Dialog state.
    int32_t DialogKind = dkNone;
    int32_t DialogTimer = 0;  // ms left of a timed caption
    int32_t SendingStep = 0;  // 1 once "Sending..." has started the request
    char TypedChar = 0;       // last character typed while the name dialog is open

    // Frame timing and display.
    TFrameTiming Timing;
    int32_t RefreshRate = 60;

    TInputState Input;
    bool BossCapture = false;       // the options screen waits for a new boss key
    TBossKeyOptions SavedBossKeys;  // the pair taken when the capture started
    bool BossMinimized = false;  // the boss key hid the game; the next CloseDialog restarts music

    // What the game's sprites and screens reach the components through.
    TGameServices Services;
    TScreenContext ScreenContext;
    TMainMenu MainMenu;
    TOptionsScreen OptionsScreen;
    TShipSelectScreen ShipSelect;
    THighScoresScreen HighScoresScreen;
    THelpScreen HelpScreen;
    // The game being played; kept after it ends until the next one starts.
    std::unique_ptr<TRace> Race;
    // Sending a result, the home page, the world page and play.url.
    TWorldOnline Online;

private:
    // Loads the image and sound lists; false when one cannot be loaded (the error has been shown).
    bool LoadResources();
    void RunScreenFrame(int32_t lagCount);
    void OnMinimized();
    void OnRestored();

    // Menu items (MenuActions.cpp).
    void MainMenuItem(int32_t item);
    void ShipSelectItem(int32_t item);
    void OptionsItem(int32_t item);
    void HighScoresItem(int32_t item);
    void HelpItem(int32_t item);
    void MainMenuJump();
    void LeaveSubScreen();
    void StartRace();

    // Dialog parts (Dialogs.cpp).
    bool CountDownDialog();
    void QuestionKeys(int32_t lagCount);
    void DrawCentred(int32_t style, const std::string& text, int32_t x, int32_t y,
                     int32_t points = 0);
    void NameEntryFrame(int32_t lagCount);
    void SendingFrame();
    void FinishGame();
    void EndGameToHighScores(int32_t mainItem);

    int32_t savedMenuIndex_ = 0;
    int32_t savedMenuStart_ = 0;
    int32_t savedMenuEnd_ = 0;
    TMyImageSprite* dialogPanel_ = nullptr;
    TMyCursor* nameCursor_ = nullptr;

    bool focused_ = true;
    bool minimized_ = false;
    bool terminated_ = false;
    bool shutDown_ = false;
    bool startedUp_ = false;  // FormCreate ran to the end
    int exitCode_ = 0;
    platform::WindowPlacement savedPlacement_;
    bool placementValid_ = false;
};
