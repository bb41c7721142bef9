#pragma once
// The screens and the dialogs of the game shell. Shared by the screens, the race and the main
// form, which asks for dialogs and switches screens by these values.

#include <cstdint>

// The screen whose logic runs each frame.
enum TScreenKind : uint8_t {
    skNone = 0,  // between screens, while one is torn down and the next built
    skMainMenu = 1,
    skShipSelect = 2,
    skOptions = 3,
    skHighScores = 4,
    skHelp = 5,
    skRace = 6,
};

// The pop-up dialog over the screen; at most one is open.
enum TDialogKind : uint8_t {
    dkNone = 0,
    dkExitGame = 1,
    dkExitToMenu = 2,
    dkTimeOver = 3,
    dkClearScores = 4,
    dkPause = 5,
    dkLevel = 6,
    dkGameOver = 7,
    dkEnterName = 8,
    dkSendResult = 9,
    dkSending = 10,
    dkResults = 11,
    dkCongratulations = 12,
};
