// Start-up, display modes, window events and shutdown of the main form.

#include "app/Zorvex_unit.h"

#include "app/RequiredAssets.h"
#include "engine/FileOpenError.h"

TMForm::TMForm(platform::Backend& backend, uint32_t randomSeed, const std::string& saveFolder,
               TSaveUse saveUse)
    : Saved(saveFolder),
      Options(Saved.Options),
      BossKeys(Saved.BossKeys),
      PlayerName(Saved.PlayerName),
      Backend(backend),
      MDXDraw(backend.GetDisplay()),
      MDXInput(backend.GetKeyboard()),
      MDXTimer(backend.NowMs()),
      MDXWaveList(backend.GetSoundDevice(), Options.SoundOn),
      Music(backend.GetMusicPlayer()),
      Text(MDXDraw.BackSurface()),
      Random(randomSeed),
      Services{MDXSpriteEngine.Engine(), MDXImageLists, Timing, Random},
      ScreenContext{Services, ScreenKind, Menu, Input, Text, MDXWaveList, Options, BossKeys, *this},
      MainMenu(ScreenContext),
      OptionsScreen(ScreenContext),
      ShipSelect(ScreenContext),
      HighScoresScreen(ScreenContext, Saved.HighScores),
      HelpScreen(ScreenContext),
      Online(backend),
      Replays(saveFolder),
      saveUse_(saveUse) {
    MDXSpriteEngine.Attach(&MDXDraw.BackSurface());
}

TMForm::~TMForm() {
    // The race's sprites belong to the tree; let the race go first.
    Race.reset();
}

bool TMForm::FormCreate() {
    Backend.RaisePriority();
    // A second copy on the same save folder would overwrite the first one's options and scores.
    if (saveUse_ == TSaveUse::Own &&
        Saved.LockFolder() == TSaveFolderLock::TResult::HeldElsewhere) {
        MDXDraw.ShowError("Zorvex", "Zorvex is already running.");
        return false;
    }
    // The random generator was seeded when the form was made; the display is open.
    if (!LoadResources())
        return false;
    if (saveUse_ != TSaveUse::None)
        Saved.LoadAll();
    ApplyDisplayMode();
    ScreenKind = skNone;
    MainMenu.EnterMainMenu(1, 1, true);
    startedUp_ = true;
    return true;
}

bool TMForm::LoadResources() {
    try {
        for (int list = 1; list <= 3; ++list)
            MDXImageLists[list - 1].LoadFromFile(ImageListPath(list), MDXDraw.BackSurface());
        CheckRequiredImages(MDXImageLists);
        MDXWaveList.LoadFromFile(SoundListPath);
        CheckRequiredSounds(MDXWaveList);
    } catch (const EFileOpenError& error) {
        MDXDraw.ShowError("Zorvex", error.what());
        return false;
    }
    return true;
}

void TMForm::ApplyDisplayMode() {
    if (Options.FullScreen)
        SetFullScreenMode();
    else
        SetWindowMode();
    RefreshRate = MDXDraw.RefreshRate();
}

void TMForm::SetFullScreenMode() {
    placementValid_ = MDXDraw.GetPlacement(savedPlacement_);
    MDXDraw.SetFullScreen(true);
}

// The place saved on entering full screen is given back once; otherwise the window is centred.
void TMForm::SetWindowMode() {
    MDXDraw.SetFullScreen(false);
    if (placementValid_) {
        MDXDraw.SetPlacement(savedPlacement_);
        placementValid_ = false;
    } else {
        MDXDraw.CentreWindow();
    }
}

void TMForm::PlayScreenMusic() {
    Music.PlaySong(ScreenKind == skRace ? "Data/Music/Race.xm" : "Data/Music/Menu.xm", false,
                   Options.MusicOn);
}

void TMForm::HandleEvent(const platform::InputEvent& event) {
    using platform::EventKind;
    Recorder.AddEvent(event);
    switch (event.Kind) {
        case EventKind::KeyDown:
            FormKeyDown(event.Key, event.Shift);
            break;
        case EventKind::KeyUp:
            FormKeyUp(event.Key, event.Shift);
            break;
        case EventKind::Character:
            FormKeyPress(event.Character);
            break;
        case EventKind::MouseMove:
            MDXDrawMouseMove(event.Shift, event.X, event.Y);
            break;
        case EventKind::Click:
        case EventKind::DoubleClick:
            MDXDrawClick();
            break;
        case EventKind::MouseDown:
        case EventKind::MouseUp:
            break;  // the button state is read by nothing
        case EventKind::CloseRequest:
            FormCloseQuery();
            break;
        case EventKind::Terminate:
            FormClose();
            break;
        case EventKind::Minimized:
            OnMinimized();
            break;
        case EventKind::Restored:
            OnRestored();
            break;
        case EventKind::FocusLost:
            focused_ = false;
            break;
        case EventKind::FocusGained:
            if (!focused_)
                MDXTimer.Reactivate(Backend.NowMs());
            focused_ = true;
            break;
    }
}

// A minimised race pauses: the level caption gives way to the pause dialog; any other open
// dialog stays and no pause opens.
void TMForm::OnMinimized() {
    if (ScreenKind == skRace) {
        if (DialogKind == dkLevel)
            CloseDialog();
        OpenDialog(dkPause);
    }
    minimized_ = true;
}

void TMForm::OnRestored() {
    if (minimized_)
        MDXTimer.Reactivate(Backend.NowMs());
    minimized_ = false;
}

bool TMForm::FormCloseQuery() {
    if (ScreenKind == skRace)
        OpenDialog(dkExitToMenu);
    if (ScreenKind == skMainMenu)
        OpenDialog(dkExitGame);
    return false;
}

void TMForm::FormClose() {
    Shutdown();
}

void TMForm::Shutdown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    MDXSpriteEngine.SweepDead();
    // A capture still running gives the old boss key back, so the saved key is never lost.
    EndBossCapture();
    const bool save = startedUp_ && saveUse_ == TSaveUse::Own;
    // A game closed in the middle is kept as far as it went.
    if (save && Recorder.Recording())
        Replays.Keep(Recorder.Finish(GameResult()));
    // A start-up that failed never read the saved files; saving now would replace them with
    // defaults.
    if (save && !Saved.SaveAll()) {
        MDXDraw.ShowError("Zorvex", Saved.SaveFailure());
        exitCode_ = 1;
    }
    if (save)
        Online.OpenPlayShortcut();
    terminated_ = true;
}
