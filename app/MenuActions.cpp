// Carrying out a chosen menu item: the open dialog's answer, or the item of the current screen,
// and the jump to another main-menu button from a sub-screen.

#include "app/Zorvex_unit.h"

void TMForm::ChooseMenuItem(int32_t item) {
    Menu.MenuIndex = item;
    ActivateMenuItem();
}

void TMForm::ActivateMenuItem() {
    const bool raceWithoutDialog = ScreenKind == skRace && DialogKind == dkNone;
    if (!raceWithoutDialog) {
        const bool shipStep = ScreenKind == skShipSelect && DialogKind == dkNone &&
                              (Menu.MenuIndex == 7 || Menu.MenuIndex == 8);
        MDXWaveList.PlaySound(shipStep ? SoundShipChange : SoundClick);
    }
    if (DialogKind != dkNone) {
        DialogAnswer();
        return;
    }
    switch (ScreenKind) {
        case skMainMenu:
            MainMenuItem(Menu.MenuIndex);
            break;
        case skShipSelect:
            ShipSelectItem(Menu.MenuIndex);
            break;
        case skOptions:
            OptionsItem(Menu.MenuIndex);
            break;
        case skHighScores:
            HighScoresItem(Menu.MenuIndex);
            break;
        case skHelp:
            HelpItem(Menu.MenuIndex);
            break;
        default:
            break;  // the race has no items
    }
    MainMenuJump();
}

// On a sub-screen, a click over another main-menu button (and not over the sub-screen's own
// items) leaves the sub-screen and carries out that main item.
void TMForm::MainMenuJump() {
    int32_t ownItem = 0;
    switch (ScreenKind) {
        case skShipSelect:
            ownItem = 1;
            break;
        case skOptions:
            ownItem = 3;
            break;
        case skHighScores:
            ownItem = 4;
            break;
        case skHelp:
            ownItem = 2;
            break;
        default:
            return;
    }
    if (Menu.MainHover == 0 || Menu.MenuIndex != 0 || Menu.MainHover == ownItem)
        return;
    const int32_t target = Menu.MainHover;
    LeaveSubScreen();
    MainMenu.EnterMainMenu(0, 1, false);
    if (TMenuButton* own = Menu.Button(ownItem)) {
        own->NormalLook();
        own->Highlighted = false;
    }
    if (TMenuButton* hovered = Menu.Button(target)) {
        hovered->HighlightLook();
        hovered->Highlighted = true;
    }
    MainMenuItem(target);
}

void TMForm::LeaveSubScreen() {
    switch (ScreenKind) {
        case skShipSelect:
            ShipSelect.Leave();
            break;
        case skOptions:
            OptionsScreen.Leave();
            break;
        case skHighScores:
            HighScoresScreen.Leave();
            break;
        case skHelp:
            HelpScreen.Leave();
            break;
        default:
            break;
    }
}

void TMForm::MainMenuItem(int32_t item) {
    if (MainMenu.IntroRunning())
        return;
    switch (item) {
        case 1:
            ShipSelect.Build();
            break;
        case 2:
            HelpScreen.Build();
            break;
        case 3:
            OptionsScreen.Build();
            break;
        case 4:
            HighScoresScreen.Build();
            break;
        case 5:
            Online.OpenHomePage();
            break;
        case 6:
            OpenDialog(dkExitGame);
            break;
        default:
            break;
    }
}

void TMForm::ShipSelectItem(int32_t item) {
    if (ShipSelect.Fading())
        return;
    switch (item) {
        case 7:
            ShipSelect.StepShip(-1);
            break;
        case 8:
            ShipSelect.StepShip(+1);
            break;
        case 9:
            ShipSelect.Leave();
            MainMenu.EnterMainMenu(0, 1, false);
            MainMenu.LeaveMainMenu();
            StartRecording();
            StartRace();
            break;
        case 10:
            ShipSelect.Leave();
            MainMenu.EnterMainMenu(0, 1, false);
            break;
        default:
            break;
    }
}

void TMForm::OptionsItem(int32_t item) {
    switch (item) {
        case 7:
            Options.FullScreen = !Options.FullScreen;
            ApplyDisplayMode();
            break;
        case 8:
            Options.MusicOn = !Options.MusicOn;
            Music.StopMusic();
            PlayScreenMusic();
            break;
        case 9:
            Options.SoundOn = !Options.SoundOn;
            break;
        case 10:
            OptionsScreen.ToggleCountryEdit();
            break;
        case 11:
            ToggleBossCapture();
            break;
        case 12:
            OptionsScreen.Leave();
            MainMenu.EnterMainMenu(0, 3, false);
            break;
        default:
            break;
    }
}

void TMForm::HighScoresItem(int32_t item) {
    switch (item) {
        case 7:
            OpenDialog(dkClearScores);
            break;
        case 8:
            Online.OpenWorldHighScores();
            break;
        case 9:
            HighScoresScreen.Leave();
            MainMenu.EnterMainMenu(0, 4, false);
            break;
        default:
            break;
    }
}

void TMForm::HelpItem(int32_t item) {
    switch (item) {
        case 7:
            HelpScreen.StepPage(-1);
            break;
        case 8:
            HelpScreen.StepPage(+1);
            break;
        case 9:
            HelpScreen.Leave();
            MainMenu.EnterMainMenu(0, 2, false);
            break;
        default:
            break;
    }
}

// No menu item answers during a race, only the dialogs.
void TMForm::StartRace() {
    // The race starts on a tree that holds nothing of the menus, whether it was chosen in an
    // event or in a frame, played or replayed.
    MDXSpriteEngine.SweepDead();
    Menu.MenuStart = 1;
    Menu.MenuEnd = 0;
    Menu.MenuIndex = 0;
    Race = std::make_unique<TRace>(Services, MDXWaveList, Text, *this, ScreenKind);
    Race->StartRace(ShipSelect.ShipType);
}
