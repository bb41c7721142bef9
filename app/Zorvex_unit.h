#pragma once
// The main form: owns the game's components and state, runs start-up, the frame loop, the screen
// state machine and the window's events. The one place that knows every screen.

#include <cstdint>
#include <memory>

#include "app/Input.h"
#include "app/Zorvex_Consts_unit.h"
#include "engine/FrameTiming.h"
#include "engine/GameServices.h"
#include "engine/ImageList.h"
#include "engine/Random.h"
#include "engine/SpriteEngineComponent.h"
#include "platform/Backend.h"
#include "platform/FrameTimer.h"
#include "save/GameOptions.h"

class TMForm {
public:
    TMForm(platform::Backend& backend, uint32_t randomSeed);
    ~TMForm();
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
    void ChooseMenuItem(int32_t item);
    void ShowPointer();
    void HidePointer();

    void ApplyDisplayMode();
    void SetFullScreenMode();
    void SetWindowMode();

    // The window's close button: never closes by itself. Returns the answer, always false.
    bool FormCloseQuery();
    // Closing by other means (SIGTERM, SIGINT): save and end.
    void FormClose();
    void Shutdown();

    bool Active() const { return focused_ && !minimized_; }
    bool Terminated() const { return terminated_; }

    // Components.
    platform::Backend& Backend;
    platform::Display& MDXDraw;
    platform::Keyboard& MDXInput;
    TDXSpriteEngine MDXSpriteEngine;
    platform::FrameTimer MDXTimer;
    std::array<TImageList, 3> MDXImageLists;  // MDXImageList1..3
    TRandom Random;

    // Screen state and menu selection.
    TScreenKind ScreenKind = skNone;
    int32_t DialogKind = 0;
    int32_t MenuIndex = 0;  // the highlighted item; 0 none
    int32_t MenuStart = 0;
    int32_t MenuEnd = 0;
    int32_t MainHover = 0;

    // Frame timing and display.
    TFrameTiming Timing;
    int32_t RefreshRate = 60;

    TInputState Input;
    TGameOptions Options;
    TBossKeyOptions BossKeys;

    // What the game's sprites and screens reach the components through.
    TGameServices Services;

private:
    // Loads the image lists; false when one cannot be loaded (the error has been shown).
    bool LoadResources();
    void PollInput();
    void RunScreenFrame(int32_t lagCount);
    void OnMinimized();
    void OnRestored();

    bool focused_ = true;
    bool minimized_ = false;
    bool terminated_ = false;
    bool shutDown_ = false;
    platform::WindowPlacement savedPlacement_;
    bool placementValid_ = false;
};
