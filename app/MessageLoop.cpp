#include "app/MessageLoop.h"

void RunMessageLoop(TMForm& form, platform::Backend& backend) {
    while (RunMessagePass(form, backend)) {
    }
}

bool RunMessagePass(TMForm& form, platform::Backend& backend) {
    // While inactive (no focus, or minimised) the game waits for the window's events instead of
    // running frames; this bound keeps SIGTERM answered promptly.
    constexpr int InactiveWaitMs = 50;
    platform::InputEvent event;
    while (!form.Terminated() && backend.PollEvent(event))
        form.HandleEvent(event);
    if (form.Terminated())
        return false;
    if (form.Active())
        form.IdleFrame();
    else
        backend.WaitEvent(InactiveWaitMs);
    return !form.Terminated();
}
