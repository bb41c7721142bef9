#pragma once
// The display: the back surface, presenting it, the window's modes and the pointer.

#include <string>

#include "platform/Surface.h"

namespace platform {

struct WindowPlacement {
    int X = 0;
    int Y = 0;
};

class Display {
public:
    virtual ~Display() = default;

    virtual Surface& BackSurface() = 0;
    // False while nothing can be drawn (no surfaces yet, or the window is minimised).
    virtual bool CanDraw() const = 0;
    // Shows the back surface; waits for the next refresh when the driver does not.
    virtual void Present() = 0;
    // The display mode's refresh rate in Hz; 0 or 1 (hardware default) and unknown give 60.
    virtual int RefreshRate() const = 0;

    virtual void SetFullScreen(bool on) = 0;
    virtual bool FullScreen() const = 0;
    // The window's place on the desktop; false when the platform cannot tell.
    virtual bool GetPlacement(WindowPlacement& placement) const = 0;
    virtual void SetPlacement(const WindowPlacement& placement) = 0;
    virtual void CentreWindow() = 0;
    virtual void Minimize() = 0;

    // The show-cursor counter: the pointer shows while the counter is 0 or more. Returns the
    // counter after the change.
    virtual int ShowCursor(bool show) = 0;

    // A start-up error for the player: a message box where there is a screen, always stderr.
    virtual void ShowError(const std::string& title, const std::string& text) = 0;
};

}  // namespace platform
