// Start-up, display modes, window events and shutdown of the main form.

#include "app/Zorvex_unit.h"

#include "app/RequiredAssets.h"
#include "engine/FileOpenError.h"

TMForm::TMForm(platform::Backend& backend, uint32_t randomSeed)
    : Backend(backend),
      MDXDraw(backend.GetDisplay()),
      MDXInput(backend.GetKeyboard()),
      MDXTimer(backend.NowMs()),
      Random(randomSeed),
      Services{MDXSpriteEngine.Engine(), MDXImageLists, Timing, Random} {
    MDXSpriteEngine.Attach(&MDXDraw.BackSurface());
}

TMForm::~TMForm() = default;

bool TMForm::FormCreate() {
    Backend.RaisePriority();
    // The random generator was seeded when the form was made; the display is open.
    if (!LoadResources()) return false;
    ApplyDisplayMode();
    ScreenKind = skNone;
    return true;
}

bool TMForm::LoadResources() {
    try {
        for (int list = 1; list <= 3; ++list)
            MDXImageLists[list - 1].LoadFromFile(ImageListPath(list), MDXDraw.BackSurface());
        CheckRequiredImages(MDXImageLists);
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

void TMForm::HandleEvent(const platform::InputEvent& event) {
    using platform::EventKind;
    switch (event.Kind) {
        case EventKind::CloseRequest: FormCloseQuery(); break;
        case EventKind::Terminate: FormClose(); break;
        case EventKind::Minimized: OnMinimized(); break;
        case EventKind::Restored: OnRestored(); break;
        case EventKind::FocusLost: focused_ = false; break;
        case EventKind::FocusGained:
            if (!focused_) MDXTimer.Reactivate(Backend.NowMs());
            focused_ = true;
            break;
        case EventKind::MouseMove:
            Input.MouseX = event.X;
            Input.MouseY = event.Y;
            break;
        default: break;
    }
}

void TMForm::OnMinimized() { minimized_ = true; }

void TMForm::OnRestored() {
    if (minimized_) MDXTimer.Reactivate(Backend.NowMs());
    minimized_ = false;
}

bool TMForm::FormCloseQuery() { return false; }

void TMForm::FormClose() { Shutdown(); }

void TMForm::Shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    MDXSpriteEngine.SweepDead();
    terminated_ = true;
}
