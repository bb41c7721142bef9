#include "replay/Replay.h"

namespace {
bool SameEvent(const platform::InputEvent& a, const platform::InputEvent& b) {
    return a.Kind == b.Kind && a.Key == b.Key && a.Shift == b.Shift && a.Character == b.Character &&
           a.X == b.X && a.Y == b.Y;
}
}  // namespace

bool TReplay::operator==(const TReplay& other) const {
    if (RulesVersion != other.RulesVersion || !(Start == other.Start) ||
        !(Result == other.Result) || Frames != other.Frames || Events.size() != other.Events.size())
        return false;
    for (size_t i = 0; i < Events.size(); ++i)
        if (!SameEvent(Events[i], other.Events[i]))
            return false;
    return true;
}

// Focus, restoring and the pointer's buttons change no state of a game, and SIGTERM ends the
// program, not the game; everything else can open a dialog, type, choose or move the pointer.
bool IsRecordedEvent(platform::EventKind kind) {
    using platform::EventKind;
    switch (kind) {
        case EventKind::KeyDown:
        case EventKind::KeyUp:
        case EventKind::Character:
        case EventKind::MouseMove:
        case EventKind::Click:
        case EventKind::DoubleClick:
        case EventKind::CloseRequest:
        case EventKind::Minimized:
            return true;
        default:
            return false;
    }
}
